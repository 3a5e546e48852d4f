#pragma once

#include <QString>
#include <optional>

// The one road between numbers and their persisted text: the form written to project files, update.ini and
// property lists, and its inverse.

// Shortest decimal text with at most 15 significant digits, "." as decimal point; exponent form ("1.2E-5",
// "1E15") only below 1E-4 or from 1E15 upwards. 0.1 + 0.2 reads "0.3".
QString realToText(double x);

// Decimal digits with "-" for negatives.
QString integerToText(qint64 n);

// "True" / "False".
QString booleanToText(bool b);

// A decimal number with optional sign, fraction and exponent; blanks around it are ignored. Nothing else
// converts (no thousands separators, no "inf", no hexadecimal, no empty text).
std::optional<double> textToReal(const QString& text);

// An integer text, or a decimal text rounded half to even (as the original variant conversion did), within
// the range of a 32-bit integer.
std::optional<qint32> textToInteger(const QString& text);

// "True" / "False" in any letter case, or a number (non-zero is true).
std::optional<bool> textToBoolean(const QString& text);

// Round half to even, the rounding the calculation books name round(...).
double roundHalfEven(double x);

// Fixed form with `decimals` places, rounded half away from zero (四舍五入) on the value's 15-digit decimal
// form, so 0.125 gives 0.13 and 1.005 gives 1.01 on every platform; a result of all zeros carries no minus sign.
QString formatFixedDecimals(double x, int decimals);

// Report form of spans and heights: "3.0" for 3, "2.5" for 2.5, "1.23" for 1.23456.
QString FormatShort(double x);
