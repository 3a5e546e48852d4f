#include "RtfWriter.h"

#include "core/Gbk.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

const QString kSongTi = QStringLiteral("宋体");
constexpr int kTwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch
constexpr double kFallbackPointSize = 10;
constexpr int kHexPerLine = 128;

// What one run of text looks like in the file. The values the reader assumes before any control word
// (\plain with the default font) are the defaults, so the first run writes only what differs from them.
struct RunAttributes
{
    int font = 0;
    int halfPoints = 24;
    int colour = 0; // 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int script = 0; // 0 normal, 1 subscript, 2 superscript
    bool protect = false;

    bool operator==(const RunAttributes&) const = default;
};

// Collects the output and puts a delimiting blank between a control word and text that follows it.
class Output
{
public:
    void word(const char* name)
    {
        m_bytes += '\\';
        m_bytes += name;
        m_delimit = true;
    }
    void word(const char* name, qint64 value)
    {
        word(name);
        m_bytes += QByteArray::number(value);
    }
    // A flag that is on without a number and off with 0 (\b and \b0).
    void flag(const char* name, bool on)
    {
        if (on) {
            word(name);
        } else {
            word(name, 0);
        }
    }
    void text(char c)
    {
        if (m_delimit) {
            m_bytes += ' ';
            m_delimit = false;
        }
        m_bytes += c;
    }
    // Braces, escapes, hex bytes and line ends delimit a control word by themselves.
    void raw(const char* s)
    {
        m_bytes += s;
        m_delimit = false;
    }
    void hexByte(uchar b)
    {
        static const char digits[] = "0123456789abcdef";
        m_bytes += "\\'";
        m_bytes += digits[b >> 4];
        m_bytes += digits[b & 0xf];
        m_delimit = false;
    }
    void append(const QByteArray& bytes)
    {
        m_bytes += bytes;
        m_delimit = false;
    }

    QByteArray& bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
    bool m_delimit = false;
};

// A face name as it can stand in the font table: no control characters, no blanks around it.
QString cleanFace(const QString& face)
{
    QString name;
    for (const QChar ch : face) {
        if (ch.unicode() >= 0x20 && ch.unicode() != 0x7f) {
            name += ch;
        }
    }
    name = name.trimmed();
    return name.isEmpty() ? kSongTi : name;
}

QString faceOf(const QTextCharFormat& format, const QTextDocument& document)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) {
        return families.first();
    }
    const QString family = format.property(QTextFormat::FontFamily).toString();
    if (!family.isEmpty()) {
        return family;
    }
    // Only a face set on purpose counts: the platform's default face means nothing to a word processor.
    const QFont font = document.defaultFont();
    if ((font.resolveMask() & QFont::FamiliesResolved) && !font.families().isEmpty()) {
        return font.families().first();
    }
    if ((font.resolveMask() & QFont::FamilyResolved) && !font.family().isEmpty()) {
        return font.family();
    }
    return kSongTi;
}

double pointSizeOf(const QTextCharFormat& format, const QTextDocument& document)
{
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0) {
        return format.fontPointSize();
    }
    const QFont font = document.defaultFont();
    if ((font.resolveMask() & QFont::SizeResolved) && font.pointSizeF() > 0) {
        return font.pointSizeF();
    }
    return kFallbackPointSize;
}

bool isAsciiText(const QString& s)
{
    for (const QChar c : s) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

class Writer
{
public:
    explicit Writer(const QTextDocument& document)
        : m_document(document)
    {
        m_fonts.append(kSongTi);
    }

    QByteArray write()
    {
        // Every paragraph ends in \par, the last one too, as word processors write it.
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            writeBlock(block);
            m_body.word("par");
            m_body.raw("\r\n");
        }

        Output out;
        out.raw("{");
        out.word("rtf", 1);
        out.word("ansi");
        out.word("ansicpg", 936);
        out.word("deff", 0);
        writeFontTable(out);
        out.raw("\r\n");
        writeColourTable(out);
        out.raw("\r\n");
        out.append(m_body.bytes());
        out.raw("}");
        return out.bytes();
    }

private:
    int fontIndex(const QString& face)
    {
        qsizetype i = m_fonts.indexOf(face);
        if (i < 0) {
            m_fonts.append(face);
            i = m_fonts.size() - 1;
        }
        return int(i);
    }

    int colourIndex(const QTextCharFormat& format)
    {
        const QBrush brush = format.foreground();
        if (!format.hasProperty(QTextFormat::ForegroundBrush) || brush.style() == Qt::NoBrush) {
            return 0;
        }
        const QRgb rgb = brush.color().rgb() & 0xffffff;
        qsizetype i = m_colours.indexOf(rgb);
        if (i < 0) {
            m_colours.append(rgb);
            i = m_colours.size() - 1;
        }
        return int(i) + 1;
    }

    RunAttributes attributesOf(const QTextCharFormat& format)
    {
        RunAttributes a;
        a.font = fontIndex(cleanFace(faceOf(format, m_document)));
        a.halfPoints = std::clamp(qRound(pointSizeOf(format, m_document) * 2), 2, 3276);
        a.colour = colourIndex(format);
        a.bold = format.fontWeight() >= QFont::DemiBold;
        a.italic = format.fontItalic();
        a.underline = format.fontUnderline();
        switch (format.verticalAlignment()) {
        case QTextCharFormat::AlignSubScript:
            a.script = 1;
            break;
        case QTextCharFormat::AlignSuperScript:
            a.script = 2;
            break;
        default:
            a.script = 0;
        }
        a.protect = format.boolProperty(kProtectedTextProperty);
        return a;
    }

    // Control words for what differs from the attributes in force.
    void switchTo(const RunAttributes& a)
    {
        RunAttributes& c = m_current;
        if (a.font != c.font) {
            m_body.word("f", a.font);
        }
        if (a.halfPoints != c.halfPoints) {
            m_body.word("fs", a.halfPoints);
        }
        if (a.colour != c.colour) {
            m_body.word("cf", a.colour);
        }
        if (a.bold != c.bold) {
            m_body.flag("b", a.bold);
        }
        if (a.italic != c.italic) {
            m_body.flag("i", a.italic);
        }
        if (a.underline != c.underline) {
            m_body.word(a.underline ? "ul" : "ulnone");
        }
        if (a.script != c.script) {
            m_body.word(a.script == 1 ? "sub" : a.script == 2 ? "super" : "nosupersub");
        }
        if (a.protect != c.protect) {
            m_body.flag("protect", a.protect);
        }
        c = a;
    }

    void writeBlock(const QTextBlock& block)
    {
        m_body.word("pard");
        const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignJustify) {
            m_body.word("qj");
        } else if (align & Qt::AlignHCenter) {
            m_body.word("qc");
        } else if (align & (Qt::AlignRight | Qt::AlignTrailing)) {
            m_body.word("qr");
        } else {
            m_body.word("ql");
        }
        bool empty = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                // Equal pictures side by side share one fragment.
                for (qsizetype i = 0; i < fragment.text().size(); ++i) {
                    writePicture(format.toImageFormat());
                }
                empty = false;
                continue;
            }
            switchTo(attributesOf(format));
            writeText(fragment.text());
            empty = false;
        }
        // An empty line takes its height from the paragraph mark's format.
        if (empty) {
            switchTo(attributesOf(block.charFormat()));
        }
    }

    void writeText(const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c >= 0x20 && c < 0x7f) {
                if (c == '\\' || c == '{' || c == '}') {
                    m_body.text('\\');
                }
                m_body.text(char(c));
            } else if (c == '\t') {
                m_body.word("tab");
            } else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
                m_body.word("line");
            } else if (c < 0x80 || c == QChar::ObjectReplacementCharacter) {
                // other control characters have no place in a book
            } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                // GBK has no characters outside the basic plane
                writeUnicode(c, QByteArray("?"));
                writeUnicode(text[i + 1].unicode(), QByteArray("?"));
                ++i;
            } else {
                writeUnicode(c, gbkOf(c));
            }
        }
    }

    void writeUnicode(char16_t unit, const QByteArray& fallback)
    {
        const QByteArray bytes = fallback.isEmpty() ? QByteArray("?") : fallback;
        if (bytes.size() != m_uc) {
            m_uc = int(bytes.size());
            m_body.word("uc", m_uc);
        }
        m_body.word("u", qint16(unit));
        for (const char b : bytes) {
            if (b == '?') {
                m_body.raw("?");
            } else {
                m_body.hexByte(uchar(b));
            }
        }
    }

    // The GBK bytes of one character, or nothing when GBK has no such character.
    QByteArray gbkOf(char16_t c)
    {
        const auto found = m_gbk.constFind(c);
        if (found != m_gbk.constEnd()) {
            return *found;
        }
        QByteArray bytes;
        if (!QChar::isSurrogate(c)) {
            const QString s(QChar{c});
            bytes = toGbk(s);
            if (bytes.isEmpty() || fromGbk(bytes) != s) {
                bytes.clear();
            }
        }
        m_gbk.insert(c, bytes);
        return bytes;
    }

    void writePicture(const QTextImageFormat& format)
    {
        const QVariant resource = m_document.resource(QTextDocument::ImageResource, QUrl(format.name()));
        QImage image;
        if (resource.metaType() == QMetaType::fromType<QImage>()) {
            image = resource.value<QImage>();
        } else if (resource.metaType() == QMetaType::fromType<QByteArray>()) {
            image = QImage::fromData(resource.toByteArray());
        }
        if (image.isNull()) {
            return;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            return;
        }
        const auto goal = [](double shown, int pixels) {
            return shown > 0 ? qRound(shown * kTwipsPerPixel) : pixels * kTwipsPerPixel;
        };
        m_body.raw("{");
        m_body.word("pict");
        m_body.word("pngblip");
        m_body.word("picw", image.width());
        m_body.word("pich", image.height());
        m_body.word("picwgoal", goal(format.width(), image.width()));
        m_body.word("pichgoal", goal(format.height(), image.height()));
        m_body.raw(" ");
        const QByteArray hex = png.toHex();
        for (qsizetype at = 0; at < hex.size(); at += kHexPerLine) {
            if (at > 0) {
                m_body.raw("\r\n");
            }
            m_body.append(hex.mid(at, kHexPerLine));
        }
        m_body.raw("}");
    }

    // A face name as the font table holds it: GBK bytes, \u for what GBK lacks; ";" would end the entry.
    void writeFaceName(Output& out, const QString& name)
    {
        for (qsizetype i = 0; i < name.size(); ++i) {
            const char16_t c = name[i].unicode();
            if (c >= 0x20 && c < 0x7f && c != ';') {
                if (c == '\\' || c == '{' || c == '}') {
                    out.text('\\');
                }
                out.text(char(c));
            } else if (c < 0x80) {
                if (c == ';') {
                    out.hexByte(uchar(c));
                }
            } else if (const QByteArray bytes = gbkOf(c); !bytes.isEmpty()) {
                for (const char b : bytes) {
                    out.hexByte(uchar(b));
                }
            } else {
                out.word("u", qint16(c));
                out.raw("?");
            }
        }
    }

    void writeFontTable(Output& out)
    {
        out.raw("{");
        out.word("fonttbl");
        for (qsizetype i = 0; i < m_fonts.size(); ++i) {
            out.raw("{");
            out.word("f", i);
            out.word("fnil");
            out.word("fcharset", isAsciiText(m_fonts[i]) ? 0 : 134);
            out.raw(" ");
            writeFaceName(out, m_fonts[i]);
            out.raw(";}");
        }
        out.raw("}");
    }

    void writeColourTable(Output& out)
    {
        out.raw("{");
        out.word("colortbl");
        out.raw(";");
        for (const QRgb rgb : std::as_const(m_colours)) {
            out.word("red", qRed(rgb));
            out.word("green", qGreen(rgb));
            out.word("blue", qBlue(rgb));
            out.raw(";");
        }
        out.raw("}");
    }

    const QTextDocument& m_document;
    QStringList m_fonts;
    QList<QRgb> m_colours;
    QHash<char16_t, QByteArray> m_gbk;
    Output m_body;
    RunAttributes m_current;
    int m_uc = 1;
};

} // namespace

QByteArray writeRtf(const QTextDocument& document)
{
    return Writer(document).write();
}
