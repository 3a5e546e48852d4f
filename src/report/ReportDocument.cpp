#include "ReportDocument.h"

#include "PictureStore.h"
#include "core/YsError.h"

#include <QAtomicInt>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

namespace {

const QString kFace = QStringLiteral("宋体");

// Picture resources are named uniquely in the whole program, so moving content between documents keeps them.
QString newImageName()
{
    static QAtomicInt counter;
    return QStringLiteral("ys-image-%1.png").arg(counter.fetchAndAddRelaxed(1) + 1);
}

bool isBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

ReportDocument::ReportDocument()
    : m_document(std::make_unique<QTextDocument>())
{
    Clear();
}

ReportDocument::~ReportDocument() = default;

int ReportDocument::indentBlanks(int indent)
{
    static const int blanks[] = {13, 3, 8, 14, 16, 30};
    return indent >= 0 && indent <= 5 ? blanks[indent] : 0;
}

void ReportDocument::applyStyle(QTextCharFormat& format, int style)
{
    format.setFontFamilies({kFace});
    struct Style
    {
        QColor colour;
        double size;
        int bold; // -1 unchanged
    };
    static const Style styles[] = {
        {QColor(255, 0, 0), 18, 1}, {QColor(0, 0, 255), 14, -1}, {QColor(0, 128, 0), 10, -1},
        {QColor(0, 0, 0), 10, -1},  {QColor(0, 0, 0), 10, 1},    {QColor(255, 0, 0), 10, -1},
        {QColor(0, 0, 0), 16, -1},  {QColor(255, 0, 0), 14, -1},
    };
    if (style < 0 || style > 7) {
        return;
    }
    const Style& s = styles[style];
    format.setForeground(s.colour);
    format.setFontPointSize(s.size);
    if (s.bold >= 0) {
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    }
}

void ReportDocument::Clear()
{
    m_document->clear();
    QFont font(kFace);
    font.setPointSizeF(10);
    m_document->setDefaultFont(font);
    m_base = QTextCharFormat();
    m_base.setFontWeight(QFont::Normal);
    applyStyle(m_base, 3);
    m_current = m_base;
    QTextCursor(m_document.get()).setBlockCharFormat(m_base);
}

void ReportDocument::setBaseStyle(int style)
{
    m_base = QTextCharFormat();
    m_base.setFontWeight(QFont::Normal);
    applyStyle(m_base, style);
    m_current = m_base;
}

void ReportDocument::SetTextStyle(int style)
{
    applyStyle(m_current, style);
}

void ReportDocument::AddLine(const ReportText& text, int indent)
{
    ReportText full(QString(indentBlanks(indent), QLatin1Char(' ')));
    full.append(text);
    const QString& s = full.text();

    // Markers pair up in order; an opening marker without a partner later in the line styles nothing.
    std::vector<int> role(static_cast<size_t>(s.size()), 0); // 0 text, 1 subscript marker, 2 superscript marker
    std::vector<bool> opens(static_cast<size_t>(s.size()), false);
    for (const QChar marker : {QLatin1Char('$'), QLatin1Char('#')}) {
        std::vector<int> positions;
        for (int i = 0; i < s.size(); ++i) {
            if (s[i] == marker && !full.isVerbatim(i)) {
                positions.push_back(i);
                role[static_cast<size_t>(i)] = marker == QLatin1Char('$') ? 1 : 2;
            }
        }
        for (size_t k = 0; k + 1 < positions.size(); k += 2) {
            opens[static_cast<size_t>(positions[k])] = true;
        }
    }

    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    bool sub = false;
    bool super = false;
    QString run;
    auto flush = [&] {
        if (run.isEmpty()) {
            return;
        }
        QTextCharFormat f = m_current;
        f.setVerticalAlignment(super ? QTextCharFormat::AlignSuperScript
                                     : (sub ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal));
        cursor.insertText(run, f);
        run.clear();
    };
    for (int i = 0; i < s.size(); ++i) {
        const int r = role[static_cast<size_t>(i)];
        if (r != 0) {
            flush();
            bool& state = r == 1 ? sub : super;
            state = opens[static_cast<size_t>(i)] ? true : false;
            continue;
        }
        if (isBreak(s[i])) {
            flush();
            if (s[i] == QLatin1Char('\r') && i + 1 < s.size() && s[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            cursor.insertBlock(QTextBlockFormat(), m_current);
            continue;
        }
        run += s[i];
    }
    flush();
    finishLine();
}

void ReportDocument::AddText(const ReportText& text, int style, int indent)
{
    SetTextStyle(style);
    AddLine(text, indent);
}

void ReportDocument::AddFormat(const QString& format, int style, int indent, const QVariantList& args)
{
    SetTextStyle(style);
    AddLine(formatPrintf(format, args), indent);
}

void ReportDocument::appendPlain(const QString& text, const QTextCharFormat& format)
{
    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    QString run;
    for (int i = 0; i < text.size(); ++i) {
        if (isBreak(text[i])) {
            cursor.insertText(run, format);
            run.clear();
            if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            cursor.insertBlock(QTextBlockFormat(), format);
            continue;
        }
        run += text[i];
    }
    cursor.insertText(run, format);
}

void ReportDocument::AddRawLine(const QString& text)
{
    appendPlain(text, m_current);
    finishLine();
}

void ReportDocument::AddBlankLine()
{
    finishLine();
}

void ReportDocument::AddPicture(const QString& path, int indent)
{
    const QImage image = PictureStore::load(path);
    if (image.isNull()) {
        throw YsError(QStringLiteral("计算书图片%1无法读取！").arg(path));
    }
    AddImage(image, indent);
}

void ReportDocument::AddImage(const QImage& image, int indent)
{
    appendPlain(QString(indentBlanks(indent), QLatin1Char(' ')), m_current);
    const QString name = newImageName();
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(image.width());
    format.setHeight(image.height());
    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage(format);
    finishLine();
}

void ReportDocument::appendDocument(const ReportDocument& other)
{
    // Fragments do not carry image resources: copy them first under their (program-wide unique) names.
    for (QTextBlock b = other.document().begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                const QString name = f.toImageFormat().name();
                m_document->addResource(QTextDocument::ImageResource, QUrl(name),
                                        other.document().resource(QTextDocument::ImageResource, QUrl(name)));
            }
        }
    }
    QTextCursor source(const_cast<QTextDocument*>(&other.document()));
    source.select(QTextCursor::Document);
    if (!source.hasSelection()) {
        return;
    }
    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    cursor.insertFragment(source.selection());
    m_current = m_base;
}

void ReportDocument::finishLine()
{
    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(QTextBlockFormat(), m_base);
    m_current = m_base;
}

QString ReportDocument::plainText() const
{
    return m_document->toPlainText();
}

bool ReportDocument::isEmpty() const
{
    return m_document->isEmpty();
}
