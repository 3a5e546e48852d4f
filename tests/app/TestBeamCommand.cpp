#include "Cli.h"

#include <QTextStream>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

struct BeamRun
{
    int status;
    QString out;
    QString err;
};

BeamRun beam(const QStringList& args)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int status = runCli(QStringList{QStringLiteral("beam")} + args, o, e);
    o.flush();
    e.flush();
    return {status, out, err};
}

// The printed sections: "# name" followed by its lines, and the closing "Key=value" lines.
struct Printed
{
    std::map<QString, QStringList> sections;
    std::map<QString, double> maxima;
    QStringList order;
};

Printed parse(const QString& out)
{
    Printed p;
    QString current;
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("# "))) {
            current = line.mid(2);
            p.order << current;
            p.sections[current];
        } else if (line.contains(QLatin1Char('='))) {
            const QStringList kv = line.split(QLatin1Char('='));
            p.order << kv[0];
            p.maxima[kv[0]] = kv[1].toDouble();
        } else {
            p.sections[current] << line;
        }
    }
    return p;
}

TEST(BeamCommand, PrintsCurvesReactionsAndMaxima)
{
    // One span of 4 m under q = 2 kN/m (the continuous beam without inner supports; P = 0 at 2.01 m, and the
    // unused seventh argument). Reactions qL/2 = 4 kN; the moment at the node 2.01 m is 4·2.01 - 2.01² = 4.0299 -
    // 0.0100 … = R·x - qx²/2 = 3.9999 kN·m; midspan deflection 5qL⁴/(384EI), EI = 12.19 × 2.06 kN·m².
    const BeamRun r = beam({"continuous", "0", "4000", "2", "0", "4.89", "12.19", "206000"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    const Printed p = parse(r.out);
    EXPECT_EQ(p.order,
              (QStringList{"shear", "moment", "deflection", "reaction", "MaxMoment", "MaxDeflection", "MaxReaction"}));

    const QStringList& shear = p.sections.at("shear");
    ASSERT_EQ(shear.size(), 4); // two members, two ends each
    EXPECT_EQ(shear[0], QStringLiteral("0\t4"));
    EXPECT_TRUE(shear[3].startsWith(QStringLiteral("4\t-4"))) << shear[3].toStdString();
    const QStringList moment = p.sections.at("moment");
    ASSERT_EQ(moment.size(), 4);
    EXPECT_EQ(moment[1].section(QLatin1Char('\t'), 0, 0), QStringLiteral("2.01"));
    EXPECT_NEAR(moment[1].section(QLatin1Char('\t'), 1).toDouble(), -3.9999, 1e-9);

    const QStringList& deflection = p.sections.at("deflection");
    EXPECT_EQ(deflection.size(), 82); // the 0.05 m grid over 4 m and the node at 2.01 m
    const double w = 5 * 2.0 * 256 / (384 * 12.19 * 2.06) * 1000;
    for (const QString& line : deflection) {
        if (line.startsWith(QLatin1String("2\t"))) {
            EXPECT_NEAR(line.section(QLatin1Char('\t'), 1).toDouble(), -w, 1e-7 * w);
        }
    }
    ASSERT_EQ(p.sections.at("reaction").size(), 2);
    EXPECT_NEAR(p.sections.at("reaction")[0].toDouble(), 4.0, 1e-12);
    EXPECT_NEAR(p.maxima.at("MaxMoment"), 4.0 * 2.01 - 2.01 * 2.01, 1e-9);
    EXPECT_NEAR(p.maxima.at("MaxDeflection"), w, 1e-7 * w);
    EXPECT_NEAR(p.maxima.at("MaxReaction"), 4.0, 1e-12);
}

TEST(BeamCommand, TakesEveryOperationInTheOrderOfItsArguments)
{
    struct Case
    {
        QStringList args;
        int reactions;
        double total; // kN, the sum the reactions must balance
    };
    const Case cases[] = {
        {{"multi-support", "2", "600", "1200", "1,2,2,1", "4.89", "12.19"}, 4, 6.0},
        {{"three-span", "1.2", "600", "4.89", "12.19", "2"}, 4, 14.0},
        {{"cantilever", "2", "1.5", "1.4", "0.6", "0.8", "0.3", "0.6", "26.1", "1130", "10", "0.25"}, 5, 20.725},
        {{"platform", "1", "2", "4", "0", "3", "0.8", "0.3", "25.15", "1272.7", "4", "0.3"}, 3, 6 * 4 + 1.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const BeamRun r = beam(c.args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QStringList R = parse(r.out).sections.at("reaction"); // a copy: the parsed output is a temporary
        ASSERT_EQ(R.size(), c.reactions);
        double sum = 0;
        for (const QString& v : R) {
            sum += v.toDouble();
        }
        EXPECT_NEAR(sum, c.total, 1e-6 * c.total);
    }
}

TEST(BeamCommand, ReportsUsageErrorsAndBeamsThatCannotBeSolved)
{
    struct Case
    {
        QStringList args;
        int status;
        QString message; // a part of the text on standard error
    };
    const Case cases[] = {
        {{}, 2, "用法"},
        {{"portal", "1"}, 2, "未知的梁类型portal"},
        {{"three-span", "1.2", "600", "4.89", "12.19"}, 2, "three-span需要5个参数"},
        {{"three-span", "1.2", "6OO", "4.89", "12.19", "2"}, 2, "6OO不是数值"},
        {{"multi-support", "2", "600", "1200", "1,2,1", "4.89", "12.19"}, 2, "n + 2个荷载"},
        {{"cantilever", "1.5", "1.5", "1.3", "1", "0.8", "0.3", "1.1", "26.1", "1130", "10", "0.2"}, 2, "1.5不是整数"},
        {{"three-span", "1.2", "0", "4.89", "12.19", "2"}, 1, "不能构成梁的计算模型"},
        // Pinned at the wall with no rope: the beam would turn about the pin.
        {{"platform", "0", "1", "2", "0", "0", "1", "0.3", "25.15", "1272.7", "5", "0.3"}, 1, "几何可变"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const BeamRun r = beam(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
}

} // namespace
