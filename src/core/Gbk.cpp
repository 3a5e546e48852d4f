#include "Gbk.h"

#include "YsError.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Opening a converter is costly, so each thread keeps one of each; they are stateless, so bytes that end in half
// a character never leak into the next call.
QStringEncoder& encoder()
{
    thread_local QStringEncoder e("GBK", QStringConverter::Flag::Stateless);
    if (!e.isValid()) {
        throw YsError(QStringLiteral("系统缺少GBK编码支持！"));
    }
    return e;
}

QStringDecoder& decoder()
{
    thread_local QStringDecoder d("GBK", QStringConverter::Flag::Stateless);
    if (!d.isValid()) {
        throw YsError(QStringLiteral("系统缺少GBK编码支持！"));
    }
    return d;
}

// Most of what crosses a file boundary is ASCII (keys, numbers), which GBK keeps as it is: no converter needed.
bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

bool isAscii(const QByteArray& bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

QByteArray toGbk(const QString& text)
{
    return isAscii(text) ? text.toLatin1() : QByteArray(encoder().encode(text));
}

QString fromGbk(const QByteArray& bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : QString(decoder().decode(bytes));
}

QByteArray toGbkCut(const QString& text, int maxBytes)
{
    QByteArray whole = toGbk(text);
    if (whole.size() <= maxBytes) {
        return whole;
    }
    // Encode character by character (surrogate pairs together) until the next one would not fit.
    QByteArray out;
    int i = 0;
    while (i < text.size()) {
        const int len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QByteArray piece = encoder().encode(QStringView(text).mid(i, len));
        if (out.size() + piece.size() > maxBytes) {
            break;
        }
        out += piece;
        i += len;
    }
    return out;
}

QString cutToGbkBytes(const QString& text, int maxBytes)
{
    if (text.size() * 4 <= maxBytes) {
        return text;
    }
    const QByteArray whole = toGbk(text);
    if (whole.size() <= maxBytes) {
        return text;
    }
    return fromGbk(toGbkCut(text, maxBytes));
}
