#include "ReportDump.h"

#include "ReportDocument.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// The style whose colour and size the format has (bold black body text is style 4); -1 for none.
int styleOf(const QTextCharFormat& f)
{
    const bool bold = f.fontWeight() >= QFont::Bold;
    for (int style = 0; style <= 7; ++style) {
        QTextCharFormat s;
        ReportDocument::applyStyle(s, style);
        if (s.foreground().color() == f.foreground().color() && s.fontPointSize() == f.fontPointSize()) {
            if (style == 3 && bold) {
                continue;
            }
            return style;
        }
    }
    return -1;
}

} // namespace

QString dumpReport(const QTextDocument& document)
{
    QString out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        int lastStyle = -2;
        bool lastBold = false;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const QTextCharFormat f = frag.charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat img = f.toImageFormat();
                out += QStringLiteral("[picture %1x%2]").arg(int(img.width())).arg(int(img.height()));
                continue;
            }
            const int style = styleOf(f);
            const bool bold = f.fontWeight() >= QFont::Bold;
            if (style != lastStyle || bold != lastBold) {
                const bool extraBold = bold && style != 0 && style != 4;
                out += style >= 0 ? QStringLiteral("[%1%2]").arg(style).arg(extraBold ? QStringLiteral("b") : QString())
                                  : QStringLiteral("[?]");
                lastStyle = style;
                lastBold = bold;
            }
            switch (f.verticalAlignment()) {
            case QTextCharFormat::AlignSubScript:
                out += QStringLiteral("_{") + frag.text() + QLatin1Char('}');
                break;
            case QTextCharFormat::AlignSuperScript:
                out += QStringLiteral("^{") + frag.text() + QLatin1Char('}');
                break;
            default:
                out += frag.text();
            }
        }
        out += QLatin1Char('\n');
    }
    return out;
}
