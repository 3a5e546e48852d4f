#include "ReportFormat.h"

#include "core/NumberText.h"

#include <cmath>

QString FormatFixed(int decimals, double x)
{
    return formatFixedDecimals(x, decimals);
}

QString FormatInt(qint64 n)
{
    return QString::number(n);
}

QString FormatSci(double x)
{
    if (!std::isfinite(x)) {
        return realToText(x);
    }
    int exponent = 0;
    if (x != 0.0) {
        // The decimal exponent of the value's 15-digit form, then the mantissa rounded to three decimals.
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.14e", x);
        const QString sci = QString::fromLatin1(buf);
        const int e = sci.indexOf(QLatin1Char('e'));
        exponent = sci.mid(e + 1).toInt();
        QString mantissa = formatFixedDecimals(sci.left(e).toDouble(), 3);
        if (mantissa == QLatin1String("10.000") || mantissa == QLatin1String("-10.000")) {
            mantissa = mantissa.startsWith(QLatin1Char('-')) ? QStringLiteral("-1.000") : QStringLiteral("1.000");
            ++exponent;
        }
        return mantissa + QStringLiteral("×10#") + QString::number(exponent) + QLatin1Char('#');
    }
    return QStringLiteral("0.000×10#0#");
}

QString formatPrintf(const QString& format, const QVariantList& args)
{
    QString out;
    int next = 0;
    for (int i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        int j = i + 1;
        if (j < format.size() && format[j] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            i = j;
            continue;
        }
        bool leftAlign = false;
        bool zeroPad = false;
        while (j < format.size() && (format[j] == QLatin1Char('-') || format[j] == QLatin1Char('0'))) {
            leftAlign = leftAlign || format[j] == QLatin1Char('-');
            zeroPad = zeroPad || format[j] == QLatin1Char('0');
            ++j;
        }
        int width = 0;
        while (j < format.size() && format[j].isDigit()) {
            width = width * 10 + format[j].digitValue();
            ++j;
        }
        int precision = -1;
        if (j < format.size() && format[j] == QLatin1Char('.')) {
            precision = 0;
            ++j;
            while (j < format.size() && format[j].isDigit()) {
                precision = precision * 10 + format[j].digitValue();
                ++j;
            }
        }
        if (j >= format.size()) {
            out += format.mid(i);
            break;
        }
        const QChar type = format[j].toLower();
        const QVariant arg = next < args.size() ? args[next] : QVariant();
        QString piece;
        bool numeric = false;
        if (type == QLatin1Char('d')) {
            piece = arg.isValid() ? QString::number(arg.toLongLong()) : QString();
            numeric = true;
        } else if (type == QLatin1Char('f')) {
            piece = arg.isValid() ? formatFixedDecimals(arg.toDouble(), precision < 0 ? 6 : precision) : QString();
            numeric = true;
        } else if (type == QLatin1Char('s')) {
            piece = arg.toString();
            if (precision >= 0) {
                piece = piece.left(precision);
            }
        } else {
            out += format.mid(i, j - i + 1); // not a specifier this formatter knows: kept as written
            i = j;
            continue;
        }
        ++next;
        if (piece.size() < width) {
            const QString pad(width - piece.size(),
                              numeric && zeroPad && !leftAlign ? QLatin1Char('0') : QLatin1Char(' '));
            if (leftAlign) {
                piece += pad;
            } else if (numeric && zeroPad && piece.startsWith(QLatin1Char('-'))) {
                piece = QLatin1Char('-') + pad + piece.mid(1);
            } else {
                piece = pad + piece;
            }
        }
        out += piece;
        i = j;
    }
    return out;
}
