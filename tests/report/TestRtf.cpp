#include "core/Gbk.h"
#include "report/RtfReader.h"
#include "report/RtfWriter.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A character format with every attribute the files carry; flags: b bold, i italic, u underline, _ subscript,
// ^ superscript, p protected.
QTextCharFormat style(const QString& face, double points, const QColor& colour = QColor(), const char* flags = "")
{
    const QByteArray f(flags);
    QTextCharFormat format;
    format.setFontFamilies({face});
    format.setFontPointSize(points);
    if (colour.isValid()) {
        format.setForeground(colour);
    }
    format.setFontWeight(f.contains('b') ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.contains('i'));
    format.setFontUnderline(f.contains('u'));
    format.setVerticalAlignment(f.contains('_')       ? QTextCharFormat::AlignSubScript
                                    : f.contains('^') ? QTextCharFormat::AlignSuperScript
                                                      : QTextCharFormat::AlignNormal);
    if (f.contains('p')) {
        format.setProperty(kProtectedTextProperty, true);
    }
    return format;
}

QString describe(const QTextCharFormat& f)
{
    const QStringList families = f.fontFamilies().toStringList();
    QString s = QStringLiteral("{%1 %2 %3")
                    .arg(families.isEmpty() ? QStringLiteral("?") : families.first())
                    .arg(f.fontPointSize())
                    .arg(f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name()
                                                                     : QStringLiteral("auto"));
    QString flags;
    flags += f.fontWeight() >= QFont::DemiBold ? QStringLiteral("b") : QString();
    flags += f.fontItalic() ? QStringLiteral("i") : QString();
    flags += f.fontUnderline() ? QStringLiteral("u") : QString();
    flags += f.verticalAlignment() == QTextCharFormat::AlignSubScript ? QStringLiteral("_")
        : f.verticalAlignment() == QTextCharFormat::AlignSuperScript  ? QStringLiteral("^")
                                                                      : QString();
    flags += f.boolProperty(kProtectedTextProperty) ? QStringLiteral("p") : QString();
    return s + (flags.isEmpty() ? QString() : QLatin1Char(' ') + flags) + QLatin1Char('}');
}

// The document as text: per paragraph its alignment, then each run with its attributes ("{face size colour
// flags}text"), pictures as "[WxH as w x h]" (pixels, then shown size); an empty paragraph shows the format of its
// mark. Tabs and line breaks show as \t and \n.
QString describe(const QTextDocument& document)
{
    QStringList lines;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment();
        QString line = (a & Qt::AlignJustify) ? QStringLiteral("J:")
            : (a & Qt::AlignHCenter)          ? QStringLiteral("C:")
            : (a & Qt::AlignRight)            ? QStringLiteral("R:")
                                              : QStringLiteral("L:");
        QString last;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            if (f.isImageFormat()) {
                const QTextImageFormat img = f.toImageFormat();
                const QImage image = document.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
                for (qsizetype i = 0; i < fragment.text().size(); ++i) {
                    line += QStringLiteral("[%1x%2 as %3x%4]")
                                .arg(image.width())
                                .arg(image.height())
                                .arg(img.width() > 0 ? img.width() : image.width())
                                .arg(img.height() > 0 ? img.height() : image.height());
                }
                last.clear();
                continue;
            }
            const QString d = describe(f);
            if (d != last) {
                line += d;
                last = d;
            }
            QString text = fragment.text();
            text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
            text.replace(QChar(QChar::LineSeparator), QStringLiteral("\\n"));
            line += text;
        }
        if (b.length() == 1) {
            line += QLatin1Char('(') + describe(b.charFormat()) + QLatin1Char(')');
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QList<QImage> pictures(const QTextDocument& document)
{
    QList<QImage> out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                const QUrl name(f.toImageFormat().name());
                for (qsizetype i = 0; i < it.fragment().text().size(); ++i) {
                    out << document.resource(QTextDocument::ImageResource, name).value<QImage>();
                }
            }
        }
    }
    return out;
}

QImage testImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[]
        = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(200, 100, 50)};
    for (int i = 0; i < 6; ++i) {
        image.setPixel(i % 3, i / 3, colours[i]);
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

void insertPicture(QTextCursor& cursor, const QString& name, const QImage& image, double width, double height)
{
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), QVariant(image));
    QTextImageFormat f;
    f.setName(name);
    if (width > 0) {
        f.setWidth(width);
        f.setHeight(height);
    }
    cursor.insertImage(f);
}

void read(const QByteArray& bytes, QTextDocument& document)
{
    QString error;
    EXPECT_TRUE(readRtf(bytes, document, &error)) << error.toStdString();
}

QByteArray fixture(const char* name)
{
    QFile f(QStringLiteral(YUNSHAN_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

std::string str(const QString& s)
{
    return s.toStdString();
}

const QString kSong = QStringLiteral("宋体");
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

TEST(RtfWriter, WritesHeaderTablesAndOnlyTheAttributesThatChange)
{
    QTextDocument document;
    QTextCursor c(&document);
    c.insertText(QStringLiteral("计算书"), style(kSong, 18, kRed, "b"));
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centre);
    c.insertBlock(QTextBlockFormat(), style(kSong, 10, kBlack));
    c.insertText(QStringLiteral("N/mm"), style(kSong, 10, kBlack));
    c.insertText(QStringLiteral("2"), style(kSong, 10, kBlack, "^"));
    c.insertBlock(QTextBlockFormat(), style(kSong, 10, kBlack));

    const QByteArray expected
        = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}\r\n"
          "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}\r\n"
          "\\pard\\qc\\fs36\\cf1\\b\\uc2\\u-29791\\'bc\\'c6\\u31639\\'cb\\'e3\\u20070\\'ca\\'e9\\par\r\n"
          "\\pard\\ql\\fs20\\cf2\\b0 N/mm\\super 2\\par\r\n"
          "\\pard\\ql\\nosupersub\\par\r\n}";
    EXPECT_EQ(writeRtf(document).toStdString(), expected.toStdString());
    EXPECT_EQ(writeRtf(document), writeRtf(document));
}

TEST(RtfWriter, EscapesTextAndReadsItBack)
{
    struct Case
    {
        QString text;
        QByteArray written;
    };
    const Case cases[] = {
        {QStringLiteral("a{b}c\\d"), "a\\{b\\}c\\\\d"},
        {QStringLiteral("x\ty"), "x\\tab y"},
        {QStringLiteral("x") + QChar(QChar::LineSeparator) + QStringLiteral("y"), "x\\line y"},
        {QStringLiteral("中"), "\\uc2\\u20013\\'d6\\'d0"},
        {QStringLiteral("é"), "\\uc2\\u233\\'a8\\'a6"},
        {QStringLiteral("€"), "\\u8364\\'80"},                 // one GBK byte, \uc stays 1
        {QStringLiteral("a\u00a0b"), "a\\u160?b"},             // no GBK form: "?" stands in
        {QStringLiteral("\U0001F600"), "\\u-10179?\\u-8704?"}, // outside the basic plane: two units
        {QStringLiteral("中€"), "\\uc2\\u20013\\'d6\\'d0\\uc1\\u8364\\'80"},
        {QStringLiteral("-1 0"), " -1 0"}, // a delimiting blank before text
    };
    for (const Case& k : cases) {
        QTextDocument document;
        QTextCursor(&document).insertText(k.text, style(kSong, 10));
        const QByteArray rtf = writeRtf(document);
        EXPECT_TRUE(rtf.contains(k.written)) << str(k.text) << "\n" << rtf.toStdString();
        QTextDocument back;
        read(rtf, back);
        EXPECT_EQ(str(back.begin().text()), str(k.text));
        EXPECT_EQ(writeRtf(back), rtf) << str(k.text);
    }
}

TEST(RtfWriter, UnsetAttributesComeFromTheDocumentDefaults)
{
    QTextDocument document;
    QTextCursor(&document).insertText(QStringLiteral("x"));
    EXPECT_TRUE(writeRtf(document).contains("\\pard\\ql\\fs20 x")) << writeRtf(document).toStdString();

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    document.setDefaultFont(font);
    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("{\\f1\\fnil\\fcharset0 Arial;}")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\pard\\ql\\f1 x")) << rtf.toStdString();
}

TEST(RtfRoundTrip, KeepsTextAttributesAlignmentAndPictures)
{
    const QString arial = QStringLiteral("Arial");
    const QString hei = QStringLiteral("黑体");
    QTextDocument document;
    QTextCursor c(&document);
    auto paragraph = [&](Qt::Alignment alignment, const QTextCharFormat& mark) {
        QTextBlockFormat b;
        b.setAlignment(alignment);
        c.insertBlock(b, mark);
    };
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.setBlockFormat(centre);
    c.insertText(QStringLiteral("扣件钢管计算书"), style(kSong, 18, kRed, "b"));
    paragraph(Qt::AlignLeft, style(kSong, 10));
    c.insertText(QStringLiteral("f"), style(kSong, 10, kBlack));
    c.insertText(QStringLiteral("c"), style(kSong, 10, kBlack, "_"));
    c.insertText(QStringLiteral("=205 N/mm"), style(kSong, 10, kBlack));
    c.insertText(QStringLiteral("2"), style(kSong, 10, kBlack, "^"));
    c.insertText(QStringLiteral(" 满足要求!"), style(kSong, 10, QColor(0, 128, 0)));
    paragraph(Qt::AlignRight, style(kSong, 10));
    c.insertText(QStringLiteral("Arial italic"), style(arial, 10.5, QColor(), "i"));
    c.insertText(QStringLiteral(" under"), style(arial, 10.5, QColor(), "u"));
    c.insertText(QStringLiteral(" 黑体"), style(hei, 14, QColor(0, 0, 255), "b"));
    paragraph(Qt::AlignJustify, style(kSong, 10));
    c.insertText(QStringLiteral("保护"), style(kSong, 10, QColor(), "p"));
    c.insertText(QStringLiteral("a\tb") + QChar(QChar::LineSeparator) + QStringLiteral("\U0001F600 € {x} \\ é ;"),
                 style(kSong, 10));
    paragraph(Qt::AlignLeft, style(kSong, 16, kRed, "b")); // an empty line keeps its height
    paragraph(Qt::AlignLeft, style(kSong, 10));
    c.insertText(QStringLiteral("   "), style(kSong, 10));
    insertPicture(c, QStringLiteral("a.png"), testImage(), 30, 20);
    insertPicture(c, QStringLiteral("b.png"), testImage().mirrored(), 0, 0);
    insertPicture(c, QStringLiteral("b.png"), testImage().mirrored(), 0, 0);
    paragraph(Qt::AlignLeft, style(kSong, 10));
    c.insertText(QStringLiteral("end"), style(kSong, 10));

    const QByteArray rtf = writeRtf(document);
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fnil\\fcharset0 Arial;}"
                             "{\\f2\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;\\red0\\green128\\blue0;"
                             "\\red0\\green0\\blue255;}"));
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw3\\pich2\\picwgoal450\\pichgoal300 89504e47"));
    EXPECT_TRUE(rtf.contains("\\protect\\u20445\\'b1\\'a3\\u25252\\'bb\\'a4\\protect0"));

    QTextDocument back;
    read(rtf, back);
    EXPECT_EQ(str(describe(back)), str(describe(document)));
    EXPECT_EQ(writeRtf(back), rtf);
    const QList<QImage> images = pictures(back);
    ASSERT_EQ(images.size(), 3);
    EXPECT_EQ(images[0].convertToFormat(QImage::Format_RGB32), testImage());
    EXPECT_EQ(images[1].convertToFormat(QImage::Format_RGB32), testImage().mirrored());
    EXPECT_EQ(images[2].convertToFormat(QImage::Format_RGB32), testImage().mirrored());
}

TEST(RtfReader, ReadsWhatWordProcessorsWrite)
{
    struct Case
    {
        const char* file;
        QString expected;
    };
    const Case cases[] = {
        {"wordpad-gbk.rtf",
         QStringLiteral("C:{宋体 18 #ff0000 b}扣件计算书\n"
                        "L:{宋体 10 auto}强度 f{宋体 10 auto _}c{宋体 10 auto}=205 N/mm{宋体 10 auto ^}2\n"
                        "L:{Arial 10 auto}Arial {Arial 10 auto i}italic{Arial 10 auto} {Arial 10 auto u}under\n"
                        "L:{宋体 10 #0000ff}满足要求₂")},
        // Styles, document information, headers, field instructions and bookmarks are not text; the list
        // number and a field's result are. The picture is the shape's PNG, not the metafile stand-in.
        {"word-gbk.rtf",
         QStringLiteral("C:{宋体 18 #ff0000 b}扣件计算书\n"
                        "J:{宋体 10.5 auto}钢管{Times New Roman 10.5 auto} σ=N/A{Times New Roman 10.5 auto ^}2"
                        "{Times New Roman 10.5 auto}✓ kN\n"
                        "L:{宋体 10.5 auto}■\\t链接:{Times New Roman 10.5 #0000ff u}site\n"
                        "R:{宋体 10.5 auto p}保护{Times New Roman 10.5 auto i}a\\tb\\nc\u00a0d—e"
                        "{Times New Roman 10.5 auto u} dbl{Times New Roman 12 auto} plain\n"
                        "C:[2x2 as 20x10]")},
        {"latin-1252.rtf",
         QStringLiteral("L:{Times New Roman 12 auto}café € “quoted”\n"
                        "L:{宋体 12 auto}中文\n"
                        "L:{Courier 12 auto}naïve")},
    };
    for (const Case& k : cases) {
        QTextDocument document;
        read(fixture(k.file), document);
        EXPECT_EQ(str(describe(document)), str(k.expected)) << k.file;
        EXPECT_FALSE(document.isUndoAvailable()) << k.file; // loading is not an edit to undo
        // what was read writes and reads back unchanged
        const QByteArray rtf = writeRtf(document);
        QTextDocument back;
        read(rtf, back);
        EXPECT_EQ(str(describe(back)), str(describe(document))) << k.file;
        EXPECT_EQ(writeRtf(back), rtf) << k.file;
    }
}

TEST(RtfReader, ReadsPicturesInEveryEncoding)
{
    const QImage image = testImage();
    const QByteArray png = encoded(image, "PNG");
    const QByteArray dib24 = encoded(image, "BMP").mid(14);
    const QByteArray dib8 = encoded(image.convertToFormat(QImage::Format_Indexed8), "BMP").mid(14);
    ASSERT_LE(quint8(dib8[14]), 8); // bits per pixel: a colour table sits between header and pixels
    const QByteArray jpeg = encoded(image, "JPEG");
    ASSERT_FALSE(jpeg.isEmpty());
    struct Case
    {
        const char* name;
        QByteArray group;
        QSizeF shown;
        bool exact;
    };
    const Case cases[] = {
        {"png as hex", "{\\pict\\pngblip\\picw3\\pich2 " + png.toHex() + "}", {3, 2}, true},
        {"png as binary", "{\\pict\\pngblip\\bin" + QByteArray::number(png.size()) + " " + png + "}", {3, 2}, true},
        {"jpeg", "{\\pict\\jpegblip\\picwgoal90\\pichgoal60 " + jpeg.toHex() + "}", {6, 4}, false},
        {"dib 24 bits",
         "{\\pict\\dibitmap0\\wbmbitspixel24\\wbmplanes1\\picw3\\pich2 " + dib24.toHex() + "}",
         {3, 2},
         true},
        {"dib with a colour table", "{\\pict\\dibitmap0 " + dib8.toHex() + "}", {3, 2}, true},
        {"scaled",
         "{\\pict\\pngblip\\picwgoal900\\pichgoal600\\picscalex50\\picscaley200 " + png.toHex() + "}",
         {30, 80},
         true},
        {"shape with a stand-in",
         "{\\*\\shppict{\\pict\\pngblip " + png.toHex()
             + "}}{\\nonshppict{\\pict\\wmetafile8\\picw3\\pich2 0100090000}}",
         {3, 2},
         true},
    };
    for (const Case& k : cases) {
        QTextDocument document;
        read("{\\rtf1 a" + k.group + "b}", document);
        const QList<QImage> images = pictures(document);
        ASSERT_EQ(images.size(), 1) << k.name;
        EXPECT_EQ(images[0].size(), image.size()) << k.name;
        if (k.exact) {
            EXPECT_EQ(images[0].convertToFormat(QImage::Format_RGB32), image) << k.name;
        }
        const QString text = document.begin().text();
        EXPECT_EQ(str(text), str(QStringLiteral("a\ufffcb"))) << k.name;
        for (auto it = document.begin().begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                EXPECT_EQ(QSizeF(f.width(), f.height()), k.shown) << k.name;
            }
        }
    }
}

TEST(RtfReader, LoadsOtherFilesAsPlainText)
{
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"utf-8", QStringLiteral("第一行\r\n第二行\n").toUtf8(), QStringLiteral("第一行\n第二行\n")},
        {"utf-8 with a byte-order mark", "\xef\xbb\xbf" + QStringLiteral("工程").toUtf8(), QStringLiteral("工程")},
        {"gbk", toGbk(QStringLiteral("钢管\r计算")), QStringLiteral("钢管\n计算")},
        {"almost rtf", "{\\rt x}", QStringLiteral("{\\rt x}")},
        {"empty", "", QString()},
    };
    for (const Case& k : cases) {
        QTextDocument document;
        document.setPlainText(QStringLiteral("old"));
        read(k.bytes, document);
        EXPECT_EQ(str(document.toPlainText()), str(k.text)) << k.name;
    }
}

TEST(RtfReader, DamagedOrHostileFilesLoadWhatCanBeRead)
{
    QByteArray hugeDib(40, '\0'); // a header claiming 30000 x 30000 pixels, with no pixels
    hugeDib[0] = 40;
    qToLittleEndian<qint32>(30000, hugeDib.data() + 4);
    qToLittleEndian<qint32>(30000, hugeDib.data() + 8);
    hugeDib[12] = 1;
    hugeDib[14] = 24;
    const int deep = RtfLimits::kMaxGroupDepth + 10;
    struct Case
    {
        const char* name;
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"no closing braces", "{\\rtf1 abc{\\b def", QStringLiteral("abcdef")},
        {"text after the end", "{\\rtf1 a}b}c", QStringLiteral("a")},
        {"ends in a backslash", "{\\rtf1 a\\", QStringLiteral("a")},
        {"ends in a hex escape", "{\\rtf1 a\\'", QStringLiteral("a")},
        {"ends in a lead byte", "{\\rtf1\\ansicpg936 a\\'d6}", QStringLiteral("a\ufffd")}, // shown as broken
        {"\\u without number", "{\\rtf1 a\\u b}", QStringLiteral("a")},
        {"huge numbers", "{\\rtf1\\fs99999999999999\\uc99999999999\\u-99999999999 abc}", QString()},
        {"binary longer than the file", "{\\rtf1 a\\bin999999 xyz}", QStringLiteral("a")},
        {"negative binary length", "{\\rtf1 a\\bin-5 xyz}", QStringLiteral("axyz")},
        {"colour and font not in the tables", "{\\rtf1{\\colortbl;}\\cf9\\f7 x}", QStringLiteral("x")},
        {"unknown ignorable destination", "{\\rtf1 a{\\*\\unknown b{c}}d{\\*}e{\\* f}g}", QStringLiteral("adeg")},
        {"too deep", "{\\rtf1 before" + QByteArray(deep, '{') + "deep" + QByteArray(deep, '}') + " after}",
         QStringLiteral("before after")},
        {"picture beyond the size limit", "{\\rtf1 a{\\pict\\dibitmap0 " + hugeDib.toHex() + "}b}",
         QStringLiteral("ab")},
        {"picture that does not decode", "{\\rtf1 a{\\pict\\pngblip 89504e47ffff}b}", QStringLiteral("ab")},
        {"metafile", "{\\rtf1 a{\\pict\\wmetafile8 0100090000}b}", QStringLiteral("ab")},
    };
    for (const Case& k : cases) {
        QTextDocument document;
        read(k.bytes, document);
        EXPECT_EQ(str(document.toPlainText()), str(k.text)) << k.name;
        EXPECT_TRUE(pictures(document).isEmpty()) << k.name;
        // a half character never reaches the next text that is decoded
        EXPECT_EQ(str(fromGbk("A")), "A") << k.name;
    }

    QTextDocument document;
    QString error;
    EXPECT_FALSE(readRtf("{\\rtfx1 text}", document, &error));
    EXPECT_EQ(str(error), str(QStringLiteral("RTF文件格式错误，无法读取！")));
}

TEST(RtfReader, StopsAfterTheGroupLimit)
{
    QByteArray many = "{\\rtf1 a";
    for (int i = 0; i < RtfLimits::kMaxGroups; ++i) {
        many += "{}";
    }
    many += "b}";
    QTextDocument document;
    read(many, document);
    EXPECT_EQ(str(document.toPlainText()), "a");
}

} // namespace
