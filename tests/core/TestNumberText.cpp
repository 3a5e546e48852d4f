#include "QtPrinters.h"
#include "core/NumberText.h"
#include "core/PropValue.h"

#include <gtest/gtest.h>

namespace {

struct RealCase
{
    double value;
    const char* text;
};

TEST(NumberText, RealToTextIsShortestWithFifteenDigits)
{
    const RealCase cases[] = {
        {0.1 + 0.2, "0.3"}, // not the round-trip form 0.30000000000000004
        {3, "3"},
        {2.5, "2.5"},
        {-4, "-4"},
        {18.6, "18.6"},
        {0.55, "0.55"},
        {100, "100"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {0.0001, "0.0001"}, // smallest magnitude still written in fixed form
        {0.00001, "1E-5"},
        {1.2e-5, "1.2E-5"},
        {-2.5e-7, "-2.5E-7"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1234567890123456.0, "1.23456789012346E15"},
        {1e-300, "1E-300"},
        {-0.0, "0"},
    };
    for (const RealCase& c : cases) {
        EXPECT_EQ(realToText(c.value), QString::fromLatin1(c.text)) << c.text;
    }
}

TEST(NumberText, RealTextRoundTripsThroughTheParser)
{
    for (double v : {0.3, 18.6, 1.2e-5, 1e15, -1234.5678, 0.05, 2.06e5}) {
        const std::optional<double> back = textToReal(realToText(v));
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_DOUBLE_EQ(*back, v);
    }
}

TEST(NumberText, TextToRealAcceptsDecimalFormsOnly)
{
    EXPECT_EQ(textToReal(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(textToReal(QStringLiteral("  2 ")), 2.0);
    EXPECT_EQ(textToReal(QStringLiteral("-3.25e2")), -325.0);
    EXPECT_EQ(textToReal(QStringLiteral("1E-5")), 1e-5);
    EXPECT_EQ(textToReal(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(textToReal(QStringLiteral("5.")), 5.0);
    for (const char* bad : {"", " ", "abc", "1,5", "1.2.3", "inf", "NAN", "0x10", "1e", "--1", "1 2", "١"}) {
        EXPECT_FALSE(textToReal(QString::fromUtf8(bad)).has_value()) << bad;
    }
}

TEST(NumberText, IntegerAndBooleanTexts)
{
    EXPECT_EQ(textToInteger(QStringLiteral("12")), 12);
    EXPECT_EQ(textToInteger(QStringLiteral("-3")), -3);
    EXPECT_EQ(textToInteger(QStringLiteral("2.5")), 2); // halves go to the even neighbour
    EXPECT_EQ(textToInteger(QStringLiteral("3.5")), 4);
    EXPECT_EQ(textToInteger(QStringLiteral("1e3")), 1000);
    EXPECT_FALSE(textToInteger(QStringLiteral("3000000000")).has_value());
    EXPECT_FALSE(textToInteger(QStringLiteral("zwei")).has_value());

    EXPECT_EQ(textToBoolean(QStringLiteral("True")), true);
    EXPECT_EQ(textToBoolean(QStringLiteral("FALSE")), false);
    EXPECT_EQ(textToBoolean(QStringLiteral("true")), true);
    EXPECT_EQ(textToBoolean(QStringLiteral("0")), false);
    EXPECT_EQ(textToBoolean(QStringLiteral("2.5")), true);
    EXPECT_FALSE(textToBoolean(QStringLiteral("yes")).has_value());
}

TEST(NumberText, FormatShort)
{
    EXPECT_EQ(FormatShort(3), QStringLiteral("3.0"));
    EXPECT_EQ(FormatShort(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(FormatShort(1.23456), QStringLiteral("1.23"));
    EXPECT_EQ(FormatShort(-4), QStringLiteral("-4.0"));
    EXPECT_EQ(FormatShort(1.8), QStringLiteral("1.8"));
    EXPECT_EQ(FormatShort(0.125), QStringLiteral("0.13")); // an exact half goes up, as engineers round
}

TEST(NumberText, FixedDecimalsRoundHalvesAwayFromZeroOnTheDecimalForm)
{
    EXPECT_EQ(formatFixedDecimals(2.5, 0), QStringLiteral("3"));
    EXPECT_EQ(formatFixedDecimals(-2.5, 0), QStringLiteral("-3"));
    EXPECT_EQ(formatFixedDecimals(0.125, 2), QStringLiteral("0.13"));
    EXPECT_EQ(formatFixedDecimals(1.005, 2), QStringLiteral("1.01")); // stored just below the half, read as 1.005
    EXPECT_EQ(formatFixedDecimals(9.9996, 3), QStringLiteral("10.000"));
    EXPECT_EQ(formatFixedDecimals(0.0, 2), QStringLiteral("0.00"));
    EXPECT_EQ(formatFixedDecimals(2060000.0, 1), QStringLiteral("2060000.0"));
    EXPECT_EQ(formatFixedDecimals(0.000123, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixedDecimals(0.00051, 3), QStringLiteral("0.001"));
    EXPECT_EQ(formatFixedDecimals(0.1 + 0.2, 16), QStringLiteral("0.3000000000000000"));
    EXPECT_EQ(formatFixedDecimals(12.3456, 3), QStringLiteral("12.346"));
    EXPECT_EQ(formatFixedDecimals(-0.0004, 3), QStringLiteral("0.000"));
    EXPECT_EQ(formatFixedDecimals(-0.0005, 3), QStringLiteral("-0.001"));
}

TEST(PropValue, ConversionsOfEachKind)
{
    EXPECT_EQ(PropValue().toText(), QString());
    EXPECT_EQ(PropValue().toReal(), 0.0);
    EXPECT_EQ(PropValue().toInteger(), 0);
    EXPECT_EQ(PropValue().toBoolean(), false);

    EXPECT_EQ(PropValue(qint32(-7)).toText(), QStringLiteral("-7"));
    EXPECT_EQ(PropValue(qint32(2)).toBoolean(), true);
    EXPECT_EQ(PropValue(0.1 + 0.2).toText(), QStringLiteral("0.3"));
    EXPECT_EQ(PropValue(2.5).toInteger(), 2);
    EXPECT_EQ(PropValue(true).toText(), QStringLiteral("True"));
    EXPECT_EQ(PropValue(false).toText(), QStringLiteral("False"));
    EXPECT_FALSE(PropValue(true).toReal().has_value());

    // What a boolean writes, a boolean reads back.
    EXPECT_EQ(PropValue(PropValue(true).toText()).toBoolean(), true);
    EXPECT_EQ(PropValue(PropValue(false).toText()).toBoolean(), false);
    EXPECT_EQ(PropValue(QStringLiteral("1.8")).toReal(), 1.8);
    EXPECT_FALSE(PropValue(QStringLiteral("")).toReal().has_value());
}

} // namespace
