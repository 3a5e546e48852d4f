#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

// Number forms of the calculation books.

// The real with 0 to 4 decimals, rounded half away from zero (四舍五入): FormatFixed(2, 1) is "1.00".
QString FormatFixed(int decimals, double x);
// "%d".
QString FormatInt(qint64 n);
// Scientific form with a superscript exponent in the report markup: 123456 gives "1.235×10#5#", 0.00123 gives
// "1.230×10#-3#".
QString FormatSci(double x);

// printf-style formatting for AddFormat: %d, %s, %f (and %%), each with optional "-" / "0" flags, width and
// precision ("%0.2f", "%8.3f", "%5d", "%s"). %f rounds half away from zero like FormatFixed; a missing or
// mismatched argument formats as empty text.
QString formatPrintf(const QString& format, const QVariantList& args);
