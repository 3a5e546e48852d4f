#include "TempHome.h"
#include "core/TYsProject.h"
#include "core/YsError.h"
#include "report/CalculationObject.h"
#include "report/ReportDocument.h"
#include "report/ReportDump.h"
#include "report/ReportFormat.h"

#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QString dump(const ReportDocument& r)
{
    return dumpReport(r.document());
}

TEST(ReportMarkup, RunsLandOnTheirCharactersAfterEveryMarkerIsRemoved)
{
    struct Case
    {
        const char* text;
        int indent;
        const char* dump;
    };
    const Case cases[] = {
        {"A$x$+B#2#", 1, "[3]   A_{x}+B^{2}\n"},
        {"B#2#+A$x$", 9, "[3]B^{2}+A_{x}\n"},
        {"a$b", 9, "[3]ab\n"}, // no closing marker: nothing styled, the marker still goes
        {"l$o$/i>210", 2, "[3]        l_{o}/i>210\n"},
        {"N/mm#2#", 0, "[3]             N/mm^{2}\n"},
        {"$a$#b#$c", 9, "[3]_{a}^{b}c\n"},
        {"x#1$2#3$", 9, "[3]x^{12}_{3}\n"}, // the kinds toggle independently; in both runs superscript wins
        {"plain", 5, "[3]                              plain\n"},
        {"plain", -1, "[3]plain\n"},
    };
    for (const Case& c : cases) {
        ReportDocument r;
        r.AddLine(QString::fromUtf8(c.text), c.indent);
        EXPECT_EQ(dump(r), QString::fromUtf8(c.dump) + QLatin1Char('\n')) << c.text;
    }
}

TEST(ReportMarkup, VerbatimPiecesKeepTheirMarkers)
{
    ReportDocument r;
    r.line(9, "工程名称：", Verbatim{QStringLiteral("A#1$楼")}, "；m#2#");
    EXPECT_EQ(dump(r), QStringLiteral("[3]工程名称：A#1$楼；m^{2}\n\n"));
}

TEST(ReportLines, LineEndsAndTheStyleModel)
{
    ReportDocument r;
    r.SetTextStyle(5);
    r.AddLine(QStringLiteral("失败\r\n"), 2);
    r.AddLine(QStringLiteral("正文"), 9); // back to the base format
    r.AddText(QStringLiteral("通过"), 2, 9);
    r.SetTextStyle(0);
    r.SetTextStyle(1); // bold stays from style 0: style 1 leaves it unchanged
    r.AddRawLine(QStringLiteral("二、标题$不是标记$"));
    r.AddBlankLine();
    r.AddText(QStringLiteral("加粗"), 4, 9);
    r.AddText(QStringLiteral("未知样式"), 42, 9);
    EXPECT_EQ(
        dump(r),
        QStringLiteral("[5]        失败\n\n[3]正文\n[2]通过\n[1b]二、标题$不是标记$\n\n[4]加粗\n[3]未知样式\n\n"));

    const QTextCharFormat f = r.document().begin().begin().fragment().charFormat();
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList{QStringLiteral("宋体")});
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(f.fontPointSize(), 10.0);
}

TEST(ReportFormat, NumbersAndPrintf)
{
    EXPECT_EQ(FormatFixed(2, 1), QStringLiteral("1.00"));
    EXPECT_EQ(FormatFixed(0, 12.3), QStringLiteral("12"));
    EXPECT_EQ(FormatFixed(4, 0.5), QStringLiteral("0.5000"));
    EXPECT_EQ(FormatFixed(3, 0.0125), QStringLiteral("0.013"));
    EXPECT_EQ(FormatFixed(1, 205), QStringLiteral("205.0"));
    EXPECT_EQ(FormatInt(-12), QStringLiteral("-12"));
    EXPECT_EQ(FormatSci(123456), QStringLiteral("1.235×10#5#"));
    EXPECT_EQ(FormatSci(0.00123), QStringLiteral("1.230×10#-3#"));
    EXPECT_EQ(FormatSci(206000), QStringLiteral("2.060×10#5#"));
    EXPECT_EQ(FormatSci(-9.9996e7), QStringLiteral("-1.000×10#8#"));
    EXPECT_EQ(FormatSci(0), QStringLiteral("0.000×10#0#"));

    const QVariantList args{16.0 * 0.8, 2, QStringLiteral("扣件")};
    EXPECT_EQ(formatPrintf(QStringLiteral("R < %0.2f kN, n=%d, %s, 100%%"), args),
              QStringLiteral("R < 12.80 kN, n=2, 扣件, 100%"));
    EXPECT_EQ(
        formatPrintf(QStringLiteral("[%8.3f][%-5d][%05d][%3s][%.1f]"), {0.0625, 42, -7, QStringLiteral("ab"), 0.25}),
        QStringLiteral("[   0.063][42   ][-0007][ ab][0.3]"));
    EXPECT_EQ(formatPrintf(QStringLiteral("%d and %f"), {1}), QStringLiteral("1 and "));

    ReportDocument r;
    r.AddFormat(QStringLiteral("σ=%0.3f N/mm#2#"), 5, 9, {123.4567});
    EXPECT_EQ(dump(r), QStringLiteral("[5]σ=123.457 N/mm^{2}\n\n"));
}

TEST(ReportLineBuilder, PiecesAndTheirForms)
{
    ReportDocument r;
    r.line(9, "σ=", 123.45678, " ", Dec{205, 1}, " ", Int{3}, " ", Short{1.5}, " ", Short{3}, " E=", Sci{2.06e5},
           "N/mm#2#");
    EXPECT_EQ(dump(r), QStringLiteral("[3]σ=123.457 205.0 3 1.5 3.0 E=2.060×10^{5}N/mm^{2}\n\n"));
}

// A kind with two checks that always fail, to follow the conclusions through a report.
class FailingKind : public CalculationObject
{
public:
    void WriteReport(ReportDocument& report) override
    {
        CalculationObject::WriteReport(report);
        report.line(2, "σ = 250.000 N/mm#2#\r\n");
        Check(
            report, false,
            {ReportText("强度满足要求!\r\n"), ReportText("强度不满足要求!\r\n"), ReportText("建议减小立杆间距。\r\n")});
        Check(report, true, {ReportText("挠度满足要求!\r\n"), ReportText("挠度不满足要求!\r\n"), ReportText()});
        Check(report, false,
              {ReportText("稳定不满足要求!\r\n"), ReportText("稳定不满足要求!\r\n"), ReportText(),
               ReportText("立杆稳定性不满足要求!")});
        WriteConclusions(report, QStringLiteral("十"));
    }
};

TEST(ReportConclusions, NumberedFromOneInEveryReport)
{
    TempHome home;
    FailingKind obj;
    obj.Caption = QStringLiteral("一号架");
    const QString expected = QStringLiteral("[0]             一号架计算书\n\n"
                                            "[3]        σ = 250.000 N/mm^{2}\n\n"
                                            "[5]        强度不满足要求!\n\n[5]        建议减小立杆间距。\n\n"
                                            "[2]        挠度满足要求!\n\n"
                                            "[5]        稳定不满足要求!\n\n"
                                            "\n[7]   十、结论和建议:\n\n"
                                            "[5]        1.强度不满足要求!\n[5]          建议减小立杆间距。\n"
                                            "[5]        2.立杆稳定性不满足要求!\n\n");
    ReportDocument first;
    obj.WriteReport(first);
    EXPECT_EQ(dump(first), expected);
    ReportDocument second;
    obj.WriteReport(second);
    EXPECT_EQ(dump(second), expected);
    EXPECT_FALSE(obj.HasConclusion);
}

TEST(ReportHeader, TitleAndTheProjectBlock)
{
    TempHome home;
    TYsProject project;
    project.prjname = QStringLiteral("云杉#1楼");
    project.StructureType = 2;
    project.BuildHigh = 54.6;
    project.FloorHigh = 2.95;
    project.StructureArea = 12000;
    project.TimeOfProject = 365.5;
    project.ConstuctionUnit = QStringLiteral("某公司");
    FailingKind obj;
    obj.Caption = QStringLiteral("落地架$A");
    obj.myActivePrj = &project;
    ReportDocument r;
    CalculationObject::writeReportHeader(obj, r);
    EXPECT_EQ(dump(r),
              QStringLiteral("[0]             落地架$A计算书\n\n\n")); // the title, its empty line, the next line

    project.FlagWriteToCal = true;
    CalculationObject::writeReportHeader(obj, r);
    EXPECT_EQ(dump(r),
              QStringLiteral("[0]             落地架$A计算书\n\n"
                             "[3]        工程名称：云杉#1楼；结构类型：框剪；建筑高度：54.60m；标准层层高：2.95m ；\n"
                             "[3]        总建筑面积：12000.00m^{2}；总工期：366天；施工单位：某公司；\n\n\n"));
}

TEST(ReportPictures, ResolvedWithoutCaseAndCarriedIntoOtherDocuments)
{
    TempHome home;
    QDir(home.path()).mkpath(QStringLiteral("Bmp/Ground"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(home.file(QStringLiteral("Bmp/Ground/Mqmax.bmp")), "BMP"));

    ReportDocument buffer;
    buffer.AddPicture(home.path() + QStringLiteral("/bmp\\ground\\MQMAX.bmp"), 1);
    EXPECT_EQ(dump(buffer), QStringLiteral("[3]   [picture 40x20]\n\n"));

    ReportDocument report;
    report.AddLine(QStringLiteral("前"), 9);
    report.appendDocument(buffer);
    report.AddLine(QStringLiteral("后"), 9);
    EXPECT_EQ(dump(report), QStringLiteral("[3]前\n[3]   [picture 40x20]\n[3]后\n\n"));
    const QTextImageFormat f = [&] {
        for (QTextBlock b = report.document().begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().isImageFormat()) {
                    return it.fragment().charFormat().toImageFormat();
                }
            }
        }
        return QTextImageFormat();
    }();
    const QVariant stored = report.document().resource(QTextDocument::ImageResource, QUrl(f.name()));
    EXPECT_EQ(stored.value<QImage>().size(), QSize(40, 20));

    try {
        report.AddPicture(home.path() + QStringLiteral("/Bmp/Ground/none.bmp"), 1);
        FAIL() << "a missing picture must throw";
    } catch (const YsError& e) {
        EXPECT_TRUE(e.text().contains(QStringLiteral("none.bmp")));
    }
}

} // namespace
