#include "Gbk.h"

#include "YsError.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

QStringEncoder makeEncoder()
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid()) {
        throw YsError(QStringLiteral("系统缺少GBK编码支持！"));
    }
    return encoder;
}

} // namespace

QByteArray toGbk(const QString& text)
{
    QStringEncoder encoder = makeEncoder();
    return encoder.encode(text);
}

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid()) {
        throw YsError(QStringLiteral("系统缺少GBK编码支持！"));
    }
    return decoder.decode(bytes);
}

QByteArray toGbkCut(const QString& text, int maxBytes)
{
    QByteArray whole = toGbk(text);
    if (whole.size() <= maxBytes) {
        return whole;
    }
    // Encode character by character (surrogate pairs together) until the next one would not fit.
    QStringEncoder encoder = makeEncoder();
    QByteArray out;
    int i = 0;
    while (i < text.size()) {
        const int len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QByteArray piece = encoder.encode(QStringView(text).mid(i, len));
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
