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

} // namespace

QByteArray toGbk(const QString& text)
{
    return encoder().encode(text);
}

QString fromGbk(const QByteArray& bytes)
{
    return decoder().decode(bytes);
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
