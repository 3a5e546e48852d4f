#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

// Exponent form is used when the decimal exponent of 0.d1d2... x 10^e lies outside -3 .. 15.
constexpr int kSignificantDigits = 15;
constexpr int kLowestFixedExponent = -3;

QString formatC(const char* format, double x)
{
    char buf[512];
    const int n = std::snprintf(buf, sizeof buf, format, x);
    if (n < 0) {
        return {};
    }
    if (static_cast<size_t>(n) < sizeof buf) {
        return QString::fromLatin1(buf, n);
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), format, x);
    return QString::fromLatin1(big.data(), n);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the whole text against the decimal grammar: [sign] digits [. digits] [(e|E) [sign] digits].
bool isDecimalText(const QString& s)
{
    int i = 0;
    const int n = s.size();
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == n;
}

} // namespace

QString realToText(double x)
{
    if (std::isnan(x)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(x)) {
        return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    if (x == 0.0) {
        return QStringLiteral("0");
    }
    // d.dddddddddddddde±xx: the 15 significant digits, correctly rounded.
    char buf[64];
    const std::to_chars_result res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    const QString sci = QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
    const int ePos = sci.indexOf(QLatin1Char('e'));
    const bool negative = sci.startsWith(QLatin1Char('-'));
    QString digits = sci.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    digits.remove(QLatin1Char('.'));
    const int exp10 = sci.mid(ePos + 1).toInt(); // x = d.ddd * 10^exp10
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
    }
    const int e = exp10 + 1; // x = 0.ddd * 10^e
    QString out;
    if (negative) {
        out += QLatin1Char('-');
    }
    if (e > kSignificantDigits || e < kLowestFixedExponent) {
        out += digits[0];
        if (digits.size() > 1) {
            out += QLatin1Char('.');
            out += QStringView(digits).mid(1);
        }
        out += QLatin1Char('E');
        out += QString::number(exp10);
    } else if (e <= 0) {
        out += QStringLiteral("0.");
        out += QString(-e, QLatin1Char('0'));
        out += digits;
    } else if (e >= digits.size()) {
        out += digits;
        out += QString(e - digits.size(), QLatin1Char('0'));
    } else {
        out += QStringView(digits).left(e);
        out += QLatin1Char('.');
        out += QStringView(digits).mid(e);
    }
    return out;
}

QString integerToText(qint64 n)
{
    return QString::number(n);
}

QString booleanToText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<double> textToReal(const QString& text)
{
    const QString s = text.trimmed();
    if (!isDecimalText(s)) {
        return std::nullopt;
    }
    const QByteArray latin = s.toLatin1();
    char* end = nullptr;
    const double v = std::strtod(latin.constData(), &end);
    if (end != latin.constData() + latin.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

double roundHalfEven(double x)
{
    return std::nearbyint(x); // the default rounding mode is to nearest, halves to even
}

std::optional<qint32> textToInteger(const QString& text)
{
    const std::optional<double> v = textToReal(text);
    if (!v) {
        return std::nullopt;
    }
    const double r = roundHalfEven(*v);
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(r);
}

std::optional<bool> textToBoolean(const QString& text)
{
    const QString s = text.trimmed();
    if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const std::optional<double> v = textToReal(s);
    if (!v) {
        return std::nullopt;
    }
    return *v != 0.0;
}

QString formatFixedDecimals(double x, int decimals)
{
    if (!std::isfinite(x)) {
        return realToText(x);
    }
    decimals = std::max(decimals, 0);
    // The 15 significant digits of the value's shortest text: x = d0.d1d2... * 10^exp10.
    const QString sci = formatC("%.14e", x);
    const bool negative = sci.startsWith(QLatin1Char('-'));
    const int ePos = sci.indexOf(QLatin1Char('e'));
    QString mantissa = sci.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    mantissa.remove(QLatin1Char('.'));
    const int exp10 = x == 0.0 ? 0 : sci.mid(ePos + 1).toInt();
    auto digitAt = [&](int power) { // the digit standing for 10^power
        const int i = exp10 - power;
        return (x != 0.0 && i >= 0 && i < mantissa.size()) ? mantissa[i].unicode() - '0' : 0;
    };
    const int top = std::max(exp10, 0);
    std::vector<int> digits; // from 10^top down to 10^-decimals
    for (int p = top; p >= -decimals; --p) {
        digits.push_back(digitAt(p));
    }
    if (digitAt(-decimals - 1) >= 5) { // half away from zero on the decimal digits
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == 9) {
            digits[static_cast<size_t>(i--)] = 0;
        }
        if (i < 0) {
            digits.insert(digits.begin(), 1);
        } else {
            ++digits[static_cast<size_t>(i)];
        }
    }
    const int integerDigits = static_cast<int>(digits.size()) - decimals;
    QString out;
    bool allZero = true;
    for (int i = 0; i < static_cast<int>(digits.size()); ++i) {
        if (i == integerDigits) {
            out += QLatin1Char('.');
        }
        const int d = digits[static_cast<size_t>(i)];
        allZero = allZero && d == 0;
        if (!(out.isEmpty() && d == 0 && i < integerDigits - 1)) { // no leading zeros before the units
            out += QChar(QLatin1Char('0').unicode() + d);
        }
    }
    if (negative && !allZero) {
        out.prepend(QLatin1Char('-'));
    }
    return out;
}

QString FormatShort(double x)
{
    const QString text = realToText(x).trimmed();
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        return formatFixedDecimals(x, 1);
    }
    if (text.size() - dot - 1 == 1) {
        return text;
    }
    return formatFixedDecimals(x, 2);
}
