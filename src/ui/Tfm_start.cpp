#include "Tfm_start.h"

#include "ProductArt.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;

} // namespace

Tfm_start::Tfm_start(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(kWidth, kHeight);
    version = new QLabel(versionText(), this);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    version->setFont(font);
    version->setStyleSheet(QStringLiteral("color: #e8f0e8;"));
    version->adjustSize();
    version->move(kWidth - version->width() - 14, kHeight - version->height() - 10);
}

QString Tfm_start::versionText()
{
    const QString v = QCoreApplication::applicationVersion();
    return QStringLiteral("ver:") + (v.isEmpty() ? QStringLiteral("1.1") : v);
}

void Tfm_start::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(24, 70, 52));
    sky.setColorAt(1, QColor(12, 36, 30));
    p.fillRect(rect(), sky);

    p.drawPixmap(24, 40, productEmblem(QSize(150, 170)));

    QFont title(QStringLiteral("宋体"));
    title.setPixelSize(24);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(245, 245, 235));
    p.drawText(QRect(190, 70, kWidth - 200, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("云杉脚手架"));
    p.drawText(QRect(190, 110, kWidth - 200, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("智能计算软件"));
    QFont sub(QStringLiteral("宋体"));
    sub.setPixelSize(13);
    p.setFont(sub);
    p.setPen(QColor(190, 215, 195));
    p.drawText(QRect(190, 160, kWidth - 200, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("脚手架与模板支架计算"));
}

void Tfm_start::showFor(int ms)
{
    setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    repaint();
    QCoreApplication::processEvents();
    QTimer::singleShot(ms, this, &QWidget::close);
}
