// Renders one report picture: an SVG drawn by us, to the Windows bitmap the calculation books insert. The bitmap
// has the SVG's own size in pixels on a white ground.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: yunshan-render-picture IN.svg OUT.bmp\n");
        return 2;
    }
    // Song-style text as the books print it; the face 宋体 maps to the installed Song-style font.
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    const QString in = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QSvgRenderer svg(in);
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", argv[1]);
        return 1;
    }
    const QSize size = svg.defaultSize();
    if (size.isEmpty()) {
        std::fprintf(stderr, "%s: the SVG gives no size\n", argv[1]);
        return 1;
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    svg.render(&painter);
    painter.end();
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!image.save(out, "BMP")) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
