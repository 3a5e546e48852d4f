#include "ReportExport.h"

#include "ReportFonts.h"
#include "RtfWriter.h"
#include "core/AtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QUrl>
#include <memory>

namespace {

QByteArray pngOf(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

// Qt's HTML names the pictures by their resource names; a file on its own needs them inside.
QByteArray htmlWithPictures(const QTextDocument& document)
{
    QString html = document.toHtml();
    static const QRegularExpression img(QStringLiteral("<img src=\"([^\"]+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(html).mid(last, m.capturedStart(1) - last);
        const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(m.captured(1)));
        const QImage image = resource.value<QImage>();
        out += image.isNull() ? m.captured(1)
                              : QStringLiteral("data:image/png;base64,") + QString::fromLatin1(pngOf(image).toBase64());
        last = m.capturedEnd(1);
    }
    out += QStringView(html).mid(last);
    return out.toUtf8();
}

QByteArray pdfOf(const QTextDocument& document)
{
    installReportFonts();
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("云杉脚手架智能计算软件"));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setResolution(300);
    // No margins of the page itself: printing lays a copy of the document out on the whole sheet with a margin
    // of 2 cm all round and numbers the pages; the original keeps its own layout.
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const std::unique_ptr<QTextDocument> copy(document.clone());
    copy->print(&writer);
    buffer.close();
    return pdf;
}

} // namespace

std::optional<ExportFormat> exportFormatNamed(const QString& name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("rtf") || n == QLatin1String("doc")) {
        return ExportFormat::Rtf;
    }
    if (n == QLatin1String("odt")) {
        return ExportFormat::Odt;
    }
    if (n == QLatin1String("pdf")) {
        return ExportFormat::Pdf;
    }
    if (n == QLatin1String("html") || n == QLatin1String("htm")) {
        return ExportFormat::Html;
    }
    if (n == QLatin1String("txt")) {
        return ExportFormat::Txt;
    }
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatForFile(const QString& path)
{
    return exportFormatNamed(QFileInfo(path).suffix());
}

QString exportExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Rtf:
        return QStringLiteral("rtf");
    case ExportFormat::Odt:
        return QStringLiteral("odt");
    case ExportFormat::Pdf:
        return QStringLiteral("pdf");
    case ExportFormat::Html:
        return QStringLiteral("html");
    case ExportFormat::Txt:
        return QStringLiteral("txt");
    }
    return {};
}

QByteArray exportBytes(const QTextDocument& document, ExportFormat format)
{
    switch (format) {
    case ExportFormat::Rtf:
        return writeRtf(document);
    case ExportFormat::Odt: {
        QByteArray odt;
        QBuffer buffer(&odt);
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "odf");
        writer.write(&document);
        return odt;
    }
    case ExportFormat::Pdf:
        return pdfOf(document);
    case ExportFormat::Html:
        return htmlWithPictures(document);
    case ExportFormat::Txt: {
        QString text = document.toPlainText();
        text.remove(QChar::ObjectReplacementCharacter);
        return text.toUtf8();
    }
    }
    return {};
}

bool exportReport(const QTextDocument& document, const QString& path, ExportFormat format, QString* error)
{
    const QByteArray bytes = exportBytes(document, format);
    if (bytes.isEmpty() && !document.isEmpty()) {
        if (error) {
            *error = QStringLiteral("计算书无法转换成%1格式").arg(exportExtension(format));
        }
        return false;
    }
    return saveFileAtomically(path, bytes, error);
}
