#include "RtfReader.h"

#include "RtfWriter.h"
#include "core/Gbk.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <climits>
#include <map>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

using namespace RtfLimits;

constexpr int kTwipsPerPixel = 15;
constexpr int kMaxWordLength = 32;
constexpr int kCodePageGbk = 936;
constexpr int kCodePageLatin = 1252;

// Picture resources are named uniquely in the whole program, so content moved between documents keeps them.
QString newPictureName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("rtfpict%1.png").arg(counter.fetch_add(1) + 1);
}

// GBK without carrying a half character over into the next text the shared decoder sees: a line feed ends any
// unfinished lead byte and is taken off again.
QString decodeGbk(const QByteArray& bytes)
{
    QString s = fromGbk(bytes + '\n');
    if (s.endsWith(QLatin1Char('\n'))) {
        s.chop(1);
    }
    return s;
}

// The code page of a font's character set; 0 for "the document's".
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0:
    case 2:
        return 1252;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 932:
        return "Shift_JIS";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 10000:
        return "macintosh";
    default:
        if ((codePage >= 1250 && codePage <= 1258) || codePage == 874) {
            return "windows-" + QByteArray::number(codePage);
        }
        return {};
    }
}

enum class Destination { Body, FontTable, ColourTable, Picture, Skip };

enum class PictureKind { None, Png, Jpeg, Dib, Other };

enum class Word {
    Unknown,
    // document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    UnicodeSkip,
    Unicode,
    Binary,
    // destinations
    FontTable,
    ColourTable,
    Picture,
    ShapePicture,
    SkippedDestination,
    // text
    Paragraph,
    Line,
    Tab,
    Cell,
    Character,
    // paragraph
    ParagraphDefault,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    // character
    Plain,
    Font,
    FontSize,
    Colour,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Subscript,
    Superscript,
    NoSuperSub,
    Up,
    Down,
    Protect,
    // font table
    FontCharset,
    FontCodePage,
    // colour table
    Red,
    Green,
    Blue,
    // pictures
    PngBlip,
    JpegBlip,
    DeviceIndependentBitmap,
    OtherPicture,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
};

struct WordInfo
{
    Word word;
    char16_t character = 0; // for Word::Character
};

const std::unordered_map<std::string_view, WordInfo>& words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t{
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"ansicpg", {Word::AnsiCodePage}},
            {"deff", {Word::DefaultFont}},
            {"uc", {Word::UnicodeSkip}},
            {"u", {Word::Unicode}},
            {"bin", {Word::Binary}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColourTable}},
            {"pict", {Word::Picture}},
            {"shppict", {Word::ShapePicture}},
            {"par", {Word::Paragraph}},
            {"sect", {Word::Paragraph}},
            {"page", {Word::Paragraph}},
            {"row", {Word::Paragraph}},
            {"line", {Word::Line}},
            {"tab", {Word::Tab}},
            {"cell", {Word::Cell}},
            {"nestcell", {Word::Cell}},
            {"emdash", {Word::Character, 0x2014}},
            {"endash", {Word::Character, 0x2013}},
            {"lquote", {Word::Character, 0x2018}},
            {"rquote", {Word::Character, 0x2019}},
            {"ldblquote", {Word::Character, 0x201c}},
            {"rdblquote", {Word::Character, 0x201d}},
            {"bullet", {Word::Character, 0x2022}},
            {"emspace", {Word::Character, 0x2003}},
            {"enspace", {Word::Character, 0x2002}},
            {"qmspace", {Word::Character, 0x2005}},
            {"pard", {Word::ParagraphDefault}},
            {"ql", {Word::AlignLeft}},
            {"qc", {Word::AlignCentre}},
            {"qr", {Word::AlignRight}},
            {"qj", {Word::AlignJustify}},
            {"qd", {Word::AlignJustify}},
            {"plain", {Word::Plain}},
            {"f", {Word::Font}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::Colour}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ul", {Word::Underline}},
            {"ulnone", {Word::UnderlineNone}},
            {"sub", {Word::Subscript}},
            {"super", {Word::Superscript}},
            {"nosupersub", {Word::NoSuperSub}},
            {"up", {Word::Up}},
            {"dn", {Word::Down}},
            {"protect", {Word::Protect}},
            {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::FontCodePage}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"pngblip", {Word::PngBlip}},
            {"jpegblip", {Word::JpegBlip}},
            {"dibitmap", {Word::DeviceIndependentBitmap}},
            {"wbitmap", {Word::OtherPicture}},
            {"wmetafile", {Word::OtherPicture}},
            {"emfblip", {Word::OtherPicture}},
            {"macpict", {Word::OtherPicture}},
            {"pmmetafile", {Word::OtherPicture}},
            {"picwgoal", {Word::PictureGoalWidth}},
            {"pichgoal", {Word::PictureGoalHeight}},
            {"picscalex", {Word::PictureScaleX}},
            {"picscaley", {Word::PictureScaleY}},
        };
        // Every kind of underline is an underline here.
        for (const char* u : {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
                              "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"}) {
            t.emplace(u, WordInfo{Word::Underline});
        }
        // Destinations without the "\*" mark whose text is not part of the document.
        for (const char* d : {"stylesheet",
                              "info",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "annotation",
                              "nonshppict",
                              "fldinst",
                              "pn",
                              "filetbl",
                              "revtbl",
                              "listtable",
                              "listoverridetable",
                              "rsidtbl",
                              "xmlnstbl",
                              "template",
                              "objdata",
                              "objclass",
                              "objname",
                              "datafield",
                              "picprop",
                              "blipuid",
                              "bkmkstart",
                              "bkmkend",
                              "atnid",
                              "atnauthor",
                              "atnref",
                              "tc",
                              "tcn",
                              "xe",
                              "txe",
                              "rxe",
                              "comment",
                              "private",
                              "shpinst",
                              "themedata",
                              "colorschememapping",
                              "datastore",
                              "latentstyles",
                              "generator",
                              "pgdsctbl",
                              "userprops",
                              "docvar",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "do",
                              "passwordhash",
                              "oldcprops",
                              "oldpprops",
                              "oldtprops",
                              "oldsprops",
                              "mmathPr",
                              "wgrffmtfilter"}) {
            t.emplace(d, WordInfo{Word::SkippedDestination});
        }
        return t;
    }();
    return table;
}

struct CharState
{
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    int colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int script = 0; // 0 normal, 1 subscript, 2 superscript
    bool protect = false;

    bool operator==(const CharState&) const = default;
};

struct GroupState
{
    Destination destination = Destination::Body;
    CharState chars;
    int skipCount = 1; // \uc
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct FontEntry
{
    QString name;
    int codePage = 0;
};

struct PictureData
{
    PictureKind kind = PictureKind::None;
    int goalWidth = 0; // twips
    int goalHeight = 0;
    int scaleX = 100; // percent
    int scaleY = 100;
    QByteArray bytes;
    int highNibble = -1;
    bool tooLarge = false;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A device-independent bitmap as RTF holds it (header, colour table, pixels) with the file header put in front,
// so the BMP reader takes it; empty when the header does not fit the data.
QByteArray bmpFromDib(const QByteArray& dib)
{
    const qsizetype size = dib.size();
    if (size < 12) {
        return {};
    }
    const auto* p = reinterpret_cast<const uchar*>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    if (headerSize < 12 || headerSize > quint32(size)) {
        return {};
    }
    qint64 paletteBytes = 0;
    if (headerSize == 12) {
        const int bits = qFromLittleEndian<quint16>(p + 10);
        paletteBytes = bits <= 8 ? 3 * (qint64(1) << bits) : 0;
    } else {
        if (headerSize < 40) {
            return {};
        }
        const int bits = qFromLittleEndian<quint16>(p + 14);
        const quint32 compression = qFromLittleEndian<quint32>(p + 16);
        const quint32 used = qFromLittleEndian<quint32>(p + 32);
        const qint64 entries = used != 0 ? qint64(used) : (bits <= 8 ? qint64(1) << bits : 0);
        paletteBytes = 4 * entries;
        if (headerSize == 40 && (compression == 3 || compression == 6)) {
            paletteBytes += compression == 3 ? 12 : 16; // the colour masks follow a short header
        }
    }
    const qint64 pixelsAt = 14 + qint64(headerSize) + paletteBytes;
    if (pixelsAt > 14 + qint64(size)) {
        return {};
    }
    QByteArray bmp(14, '\0');
    auto* h = reinterpret_cast<uchar*>(bmp.data());
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + size), h + 2);
    qToLittleEndian<quint32>(quint32(pixelsAt), h + 10);
    return bmp + dib;
}

class Reader
{
public:
    Reader(const QByteArray& bytes, QTextDocument& document)
        : m_in(bytes)
        , m_document(document)
        , m_cursor(&document)
    { }

    bool read(QString* error)
    {
        // The first control word must be \rtf itself, not a longer word that happens to begin so.
        qsizetype end = 2;
        while (end < m_in.size() && isLetter(m_in[end])) {
            ++end;
        }
        if (end - 2 != 3) {
            if (error) {
                *error = QStringLiteral("RTF文件格式错误，无法读取！");
            }
            return false;
        }
        const qsizetype n = m_in.size();
        while (m_pos < n && !m_done) {
            const char c = m_in[m_pos++];
            if (m_stack.empty() && c != '{') {
                break;
            }
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                if (m_skip > 0) {
                    --m_skip;
                } else {
                    textByte(uchar(c));
                }
            }
        }
        if (!m_stack.empty() && !m_ended) {
            finishDocument();
        }
        return true;
    }

private:
    GroupState& top() { return m_stack.back(); }

    bool skipping() const { return m_overflow > 0 || m_stack.back().destination == Destination::Skip; }

    void openGroup()
    {
        m_skip = 0;
        m_star = false;
        if (m_overflow > 0 || int(m_stack.size()) >= kMaxGroupDepth) {
            ++m_overflow;
            return;
        }
        if (++m_groups > kMaxGroups) {
            stop();
            return;
        }
        m_stack.push_back(m_stack.empty() ? GroupState{} : m_stack.back());
    }

    void closeGroup()
    {
        m_skip = 0;
        m_star = false;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_stack.size() == 1) {
            stop();
            return;
        }
        const Destination closing = top().destination;
        m_stack.pop_back();
        const Destination parent = top().destination;
        if (closing == Destination::FontTable) {
            commitFont();
        } else if (closing == Destination::Picture && parent != Destination::Picture) {
            if (parent == Destination::Body) {
                insertPicture();
            }
            m_picture = PictureData();
        }
    }

    void stop()
    {
        finishDocument();
        m_done = true;
    }

    void controlSequence()
    {
        const qsizetype n = m_in.size();
        if (m_pos >= n) {
            return;
        }
        const char c = m_in[m_pos];
        if (isLetter(c)) {
            const qsizetype start = m_pos;
            while (m_pos < n && isLetter(m_in[m_pos])) {
                ++m_pos;
            }
            const std::string_view name(m_in.constData() + start,
                                        size_t(std::min<qsizetype>(m_pos - start, kMaxWordLength)));
            bool negative = false;
            if (m_pos + 1 < n && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
                negative = true;
                ++m_pos;
            }
            bool hasParam = false;
            qint64 value = 0;
            while (m_pos < n && isDigit(m_in[m_pos])) {
                hasParam = true;
                if (value < (qint64(1) << 40)) {
                    value = value * 10 + (m_in[m_pos] - '0');
                }
                ++m_pos;
            }
            if (m_pos < n && m_in[m_pos] == ' ') {
                ++m_pos;
            }
            const int param = int(std::clamp<qint64>(negative ? -value : value, INT_MIN, INT_MAX));
            const auto found = words().find(name);
            const WordInfo info = found != words().end() ? found->second : WordInfo{Word::Unknown};
            if (info.word == Word::Binary) {
                // binary data is skipped even as a fallback character
                binary(hasParam ? param : 0);
                return;
            }
            if (m_skip > 0) {
                --m_skip;
                return;
            }
            controlWord(info, hasParam, param);
            return;
        }
        ++m_pos;
        if (c == '\'') {
            int value = -1;
            for (int k = 0; k < 2 && m_pos < n; ++k) {
                const int digit = hexValue(m_in[m_pos]);
                if (digit < 0) {
                    break;
                }
                value = value < 0 ? digit : value * 16 + digit;
                ++m_pos;
            }
            if (m_skip > 0) {
                --m_skip;
                return;
            }
            if (value >= 0) {
                escapedByte(uchar(value));
            }
            return;
        }
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            escapedByte(uchar(c));
            break;
        case '~':
            character(0x00a0);
            break;
        case '_':
            character(0x2011);
            break;
        case '*':
            m_star = true;
            break;
        case '\r':
        case '\n':
            controlWord(WordInfo{Word::Paragraph}, false, 0);
            break;
        default:
            break; // \- optional hyphen, \: index entries, \| formulas
        }
    }

    void binary(int length)
    {
        const qsizetype take = std::clamp<qsizetype>(length, 0, m_in.size() - m_pos);
        if (m_skip > 0) {
            --m_skip;
        } else if (!skipping() && top().destination == Destination::Picture) {
            addPictureBytes(QByteArrayView(m_in).sliced(m_pos, take));
        }
        m_pos += take;
    }

    void controlWord(const WordInfo& info, bool hasParam, int param)
    {
        const Word w = info.word;
        if (m_star) {
            // an ignorable destination: only the ones this reader knows are read
            m_star = false;
            if (w != Word::ShapePicture) {
                top().destination = Destination::Skip;
                return;
            }
        }
        if (skipping()) {
            return;
        }
        GroupState& g = top();
        CharState& c = g.chars;
        const bool on = !hasParam || param != 0;
        switch (w) {
        case Word::Ansi:
            m_codePage = kCodePageLatin;
            return;
        case Word::Mac:
            m_codePage = 10000;
            return;
        case Word::Pc:
            m_codePage = 437;
            return;
        case Word::Pca:
            m_codePage = 850;
            return;
        case Word::AnsiCodePage:
            if (hasParam && param > 0) {
                m_codePage = param;
            }
            return;
        case Word::DefaultFont:
            m_defaultFont = param;
            return;
        case Word::UnicodeSkip:
            g.skipCount = std::clamp(param, 0, kMaxSkipCount);
            return;
        case Word::Unicode:
            unicode(char16_t(param & 0xffff));
            m_skip = g.skipCount;
            return;
        case Word::SkippedDestination:
            g.destination = Destination::Skip;
            return;
        default:
            break;
        }
        switch (g.destination) {
        case Destination::Body:
            bodyWord(info, hasParam, param, on, g, c);
            break;
        case Destination::FontTable:
            if (w == Word::Font) {
                commitFont();
                m_fontNumber = param;
                m_fontCodePage = 0;
            } else if (w == Word::FontCharset) {
                m_fontCodePage = codePageOfCharset(param);
            } else if (w == Word::FontCodePage && param > 0) {
                m_fontCodePage = param;
            }
            break;
        case Destination::ColourTable:
            if (w == Word::Red || w == Word::Green || w == Word::Blue) {
                const int v = std::clamp(param, 0, 255);
                (w == Word::Red ? m_red : w == Word::Green ? m_green : m_blue) = v;
                m_colourSet = true;
            }
            break;
        case Destination::Picture:
            pictureWord(w, param);
            break;
        case Destination::Skip:
            break;
        }
    }

    void bodyWord(const WordInfo& info, bool hasParam, int param, bool on, GroupState& g, CharState& c)
    {
        switch (info.word) {
        case Word::FontTable:
            g.destination = Destination::FontTable;
            break;
        case Word::ColourTable:
            g.destination = Destination::ColourTable;
            break;
        case Word::Picture:
            g.destination = Destination::Picture;
            m_picture = PictureData();
            break;
        case Word::Paragraph:
            paragraph();
            break;
        case Word::Line:
            character(QChar::LineSeparator);
            break;
        case Word::Tab:
        case Word::Cell:
            character(u'\t');
            break;
        case Word::Character:
            character(info.character);
            break;
        case Word::ParagraphDefault:
            g.alignment = Qt::AlignLeft;
            break;
        case Word::AlignLeft:
            g.alignment = Qt::AlignLeft;
            break;
        case Word::AlignCentre:
            g.alignment = Qt::AlignHCenter;
            break;
        case Word::AlignRight:
            g.alignment = Qt::AlignRight;
            break;
        case Word::AlignJustify:
            g.alignment = Qt::AlignJustify;
            break;
        case Word::Plain:
            c = CharState();
            break;
        case Word::Font:
            c.font = std::max(param, 0);
            break;
        case Word::FontSize:
            c.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
            break;
        case Word::Colour:
            c.colour = std::max(param, 0);
            break;
        case Word::Bold:
            c.bold = on;
            break;
        case Word::Italic:
            c.italic = on;
            break;
        case Word::Underline:
            c.underline = on;
            break;
        case Word::UnderlineNone:
            c.underline = false;
            break;
        case Word::Subscript:
            c.script = 1;
            break;
        case Word::Superscript:
            c.script = 2;
            break;
        case Word::NoSuperSub:
            c.script = 0;
            break;
        case Word::Up:
            c.script = !hasParam || param > 0 ? 2 : 0;
            break;
        case Word::Down:
            c.script = !hasParam || param > 0 ? 1 : 0;
            break;
        case Word::Protect:
            c.protect = on;
            break;
        default:
            break;
        }
    }

    void pictureWord(Word w, int param)
    {
        PictureData& p = m_picture;
        switch (w) {
        case Word::PngBlip:
            p.kind = PictureKind::Png;
            break;
        case Word::JpegBlip:
            p.kind = PictureKind::Jpeg;
            break;
        case Word::DeviceIndependentBitmap:
            p.kind = param == 0 ? PictureKind::Dib : PictureKind::Other;
            break;
        case Word::OtherPicture:
            p.kind = PictureKind::Other;
            break;
        case Word::PictureGoalWidth:
            p.goalWidth = param;
            break;
        case Word::PictureGoalHeight:
            p.goalHeight = param;
            break;
        case Word::PictureScaleX:
            p.scaleX = param;
            break;
        case Word::PictureScaleY:
            p.scaleY = param;
            break;
        default:
            break;
        }
    }

    // A byte of the text itself: in the body a character of the code page, elsewhere part of a table entry.
    void textByte(uchar b)
    {
        if (m_star && b == ' ') {
            return;
        }
        endStar();
        if (skipping()) {
            return;
        }
        switch (top().destination) {
        case Destination::Body:
            if (b == '\t') {
                character(u'\t');
            } else if (b >= 0x20) {
                bodyByte(b);
            }
            break;
        case Destination::FontTable:
            if (b == ';') {
                commitFont();
            } else {
                fontByte(b);
            }
            break;
        case Destination::ColourTable:
            if (b == ';') {
                m_colours.push_back(m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
                m_red = m_green = m_blue = 0;
                m_colourSet = false;
            }
            break;
        case Destination::Picture:
            if (const int digit = hexValue(char(b)); digit >= 0) {
                if (m_picture.highNibble < 0) {
                    m_picture.highNibble = digit;
                } else {
                    const char byte = char(m_picture.highNibble * 16 + digit);
                    m_picture.highNibble = -1;
                    addPictureBytes(QByteArrayView(&byte, 1));
                }
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    // \'hh, \\, \{ and \}: a byte that never ends an entry or counts as picture data.
    void escapedByte(uchar b)
    {
        endStar();
        if (skipping()) {
            return;
        }
        if (top().destination == Destination::Body) {
            bodyByte(b);
        } else if (top().destination == Destination::FontTable) {
            fontByte(b);
        }
    }

    // Text right after "\*" means the group is a destination nobody knows.
    void endStar()
    {
        if (m_star) {
            m_star = false;
            top().destination = Destination::Skip;
        }
    }

    void unicode(char16_t unit)
    {
        if (top().destination == Destination::Body) {
            character(unit);
        } else if (top().destination == Destination::FontTable) {
            flushFontBytes();
            m_fontName += QChar(unit);
        }
    }

    // --- body text ---

    int codePageOf(const CharState& c) const
    {
        const auto font = m_fonts.find(c.font >= 0 ? c.font : m_defaultFont);
        if (font != m_fonts.end() && font->second.codePage != 0) {
            return font->second.codePage;
        }
        return m_codePage;
    }

    void bodyByte(uchar b)
    {
        const CharState& c = top().chars;
        const int codePage = codePageOf(c);
        if (!(c == m_runChars)) {
            flushRun();
            m_runChars = c;
        } else if (!m_runBytes.isEmpty() && codePage != m_runCodePage) {
            flushBytes();
        }
        m_runCodePage = codePage;
        m_runBytes += char(b);
    }

    void character(char16_t unit)
    {
        if (top().destination != Destination::Body || skipping()) {
            return;
        }
        const CharState& c = top().chars;
        if (!(c == m_runChars)) {
            flushRun();
            m_runChars = c;
        } else {
            flushBytes();
        }
        m_run += QChar(unit);
    }

    QString decode(const QByteArray& bytes, int codePage)
    {
        if (codePage == kCodePageGbk) {
            return decodeGbk(bytes);
        }
        if (codePage == 65001) {
            return QString::fromUtf8(bytes);
        }
        auto found = m_decoders.find(codePage);
        if (found == m_decoders.end()) {
            const QByteArray name = decoderName(codePage);
            found = m_decoders
                        .emplace(codePage,
                                 name.isEmpty() ? QStringDecoder()
                                                : QStringDecoder(name.constData(), QStringConverter::Flag::Stateless))
                        .first;
        }
        if (!found->second.isValid()) {
            return QString::fromLatin1(bytes);
        }
        return found->second.decode(bytes);
    }

    void flushBytes()
    {
        if (!m_runBytes.isEmpty()) {
            m_run += decode(m_runBytes, m_runCodePage);
            m_runBytes.clear();
        }
    }

    QTextCharFormat formatOf(const CharState& c) const
    {
        QTextCharFormat f;
        const auto font = m_fonts.find(c.font >= 0 ? c.font : m_defaultFont);
        if (font != m_fonts.end()) {
            f.setFontFamilies({font->second.name});
        }
        f.setFontPointSize(c.halfPoints / 2.0);
        if (c.colour > 0 && c.colour < int(m_colours.size()) && m_colours[size_t(c.colour)].isValid()) {
            f.setForeground(m_colours[size_t(c.colour)]);
        }
        f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        f.setVerticalAlignment(c.script == 1       ? QTextCharFormat::AlignSubScript
                                   : c.script == 2 ? QTextCharFormat::AlignSuperScript
                                                   : QTextCharFormat::AlignNormal);
        if (c.protect) {
            f.setProperty(kProtectedTextProperty, true);
        }
        return f;
    }

    void flushRun()
    {
        flushBytes();
        if (m_run.isEmpty()) {
            return;
        }
        // Breaks come only from \par and \line; stray control characters are dropped.
        QString text;
        text.reserve(m_run.size());
        for (const QChar ch : std::as_const(m_run)) {
            const char16_t u = ch.unicode();
            if (u == QChar::ParagraphSeparator) {
                text += QChar(QChar::LineSeparator);
            } else if ((u >= 0x20 && u != 0x7f && u != QChar::ObjectReplacementCharacter) || u == '\t') {
                text += ch;
            }
        }
        m_run.clear();
        if (!text.isEmpty()) {
            startBlock();
            m_cursor.insertText(text, formatOf(m_runChars));
            m_blockHasContent = true;
        }
    }

    // Paragraph properties in force at the paragraph's end are the paragraph's; an empty paragraph also keeps
    // the character format of its mark, which decides its height.
    void finishBlock()
    {
        QTextBlockFormat block;
        block.setAlignment(top().alignment);
        m_cursor.setBlockFormat(block);
        if (!m_blockHasContent) {
            m_cursor.setBlockCharFormat(formatOf(top().chars));
        }
    }

    // \par ends a paragraph; the next one begins only when something follows, so a file that ends its last
    // paragraph with \par, as word processors do, has no empty paragraph after it.
    void startBlock()
    {
        if (m_blockPending) {
            m_cursor.insertBlock();
            m_blockPending = false;
            m_blockHasContent = false;
        }
    }

    void paragraph()
    {
        if (m_paragraphs >= kMaxParagraphs) {
            stop();
            return;
        }
        flushRun();
        startBlock();
        finishBlock();
        m_blockPending = true;
        ++m_paragraphs;
    }

    void finishDocument()
    {
        if (m_ended) {
            return;
        }
        m_ended = true;
        flushRun();
        if (!m_blockPending) {
            finishBlock();
        }
    }

    // --- font table ---

    void fontByte(uchar b) { m_fontBytes += char(b); }

    void flushFontBytes()
    {
        if (!m_fontBytes.isEmpty()) {
            m_fontName += decode(m_fontBytes, m_fontCodePage != 0 ? m_fontCodePage : m_codePage);
            m_fontBytes.clear();
        }
    }

    void commitFont()
    {
        flushFontBytes();
        QString name;
        for (const QChar ch : std::as_const(m_fontName)) {
            if (ch.unicode() >= 0x20 && ch.unicode() != 0x7f) {
                name += ch;
            }
        }
        name = name.trimmed();
        if (m_fontNumber >= 0 && !name.isEmpty()) {
            m_fonts[m_fontNumber] = FontEntry{name, m_fontCodePage};
            m_fontNumber = -1;
        }
        m_fontName.clear();
    }

    // --- pictures ---

    void addPictureBytes(QByteArrayView bytes)
    {
        PictureData& p = m_picture;
        if (p.tooLarge) {
            return;
        }
        if (p.bytes.size() + bytes.size() > kMaxPictureBytes) {
            p.tooLarge = true;
            p.bytes.clear();
            return;
        }
        p.bytes.append(bytes);
    }

    bool fits(const QSize& size) const
    {
        if (size.width() <= 0 || size.height() <= 0 || size.width() > kMaxPictureSide
            || size.height() > kMaxPictureSide) {
            return false;
        }
        const qint64 pixels = qint64(size.width()) * size.height();
        return pixels <= kMaxPicturePixels && m_pixels + pixels <= kMaxDocumentPixels;
    }

    void insertPicture()
    {
        const PictureData& p = m_picture;
        if (p.tooLarge || p.bytes.isEmpty()) {
            return;
        }
        QByteArray data;
        const char* format = nullptr;
        switch (p.kind) {
        case PictureKind::Png:
            data = p.bytes;
            format = "png";
            break;
        case PictureKind::Jpeg:
            data = p.bytes;
            format = "jpeg";
            break;
        case PictureKind::Dib:
            data = bmpFromDib(p.bytes);
            format = "bmp";
            break;
        default:
            return; // metafiles and device-dependent bitmaps are not read
        }
        if (data.isEmpty()) {
            return;
        }
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, format);
        reader.setDecideFormatFromContent(false);
        const QSize size = reader.size();
        if (size.isValid() && !fits(size)) {
            return;
        }
        QImage image;
        if (!reader.read(&image) || !fits(image.size())) {
            return;
        }
        m_pixels += qint64(image.width()) * image.height();

        const QString name = newPictureName();
        m_document.addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));
        const auto shown = [](int goal, int pixels, int scale) {
            const qint64 twips = goal > 0 ? goal : qint64(pixels) * kTwipsPerPixel;
            const qint64 scaled = scale > 0 ? twips * std::min(scale, 10000) / 100 : twips;
            return double(std::clamp<qint64>(scaled, 1, qint64(kMaxPictureSide) * kTwipsPerPixel)) / kTwipsPerPixel;
        };
        QTextImageFormat f;
        f.setName(name);
        f.setWidth(shown(p.goalWidth, image.width(), p.scaleX));
        f.setHeight(shown(p.goalHeight, image.height(), p.scaleY));
        flushRun();
        startBlock();
        m_cursor.insertImage(f);
        m_blockHasContent = true;
    }

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    QTextDocument& m_document;
    QTextCursor m_cursor;

    std::vector<GroupState> m_stack;
    qsizetype m_overflow = 0; // groups opened beyond the depth limit, skipped with their content
    int m_groups = 0;
    int m_paragraphs = 0;
    bool m_done = false;
    bool m_ended = false;
    int m_skip = 0; // fallback characters still to skip after \u
    bool m_star = false;

    int m_codePage = kCodePageLatin;
    int m_defaultFont = 0;
    std::map<int, FontEntry> m_fonts;
    std::map<int, QStringDecoder> m_decoders;
    int m_fontNumber = -1;
    int m_fontCodePage = 0;
    QString m_fontName;
    QByteArray m_fontBytes;

    std::vector<QColor> m_colours;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourSet = false;

    PictureData m_picture;
    qint64 m_pixels = 0;

    CharState m_runChars;
    QString m_run;
    QByteArray m_runBytes;
    int m_runCodePage = kCodePageLatin;
    bool m_blockHasContent = false;
    bool m_blockPending = false;
};

QString plainTextOf(const QByteArray& bytes)
{
    QString text;
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) {
        text = QStringDecoder(*encoding).decode(bytes);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            text = decodeGbk(bytes);
        }
    }
    if (text.startsWith(QChar(0xfeff))) {
        text.remove(0, 1);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

bool readRtf(const QByteArray& bytes, QTextDocument& document, QString* error)
{
    document.clear();
    if (!bytes.startsWith("{\\rtf")) {
        document.setPlainText(plainTextOf(bytes));
        return true;
    }
    // loading is not an edit the user could undo
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    const bool ok = Reader(bytes, document).read(error);
    document.setUndoRedoEnabled(undo);
    return ok;
}
