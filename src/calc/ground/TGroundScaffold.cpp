#include "TGroundScaffold.h"

#include "core/YsError.h"
#include "report/ReportDocument.h"

TGroundScaffold::TGroundScaffold()
{
    ExPara.Lb = 1.05;
    ExPara.h = 1.5;
}

TGroundScaffold::~TGroundScaffold() = default;

const BindingTable<TYsObj>& TGroundScaffold::Bindings() const
{
    using T = TGroundScaffold;
    static const BindingTable<TYsObj> table = [] {
        BindingTable<TYsObj> t = TYsObj::BaseBindings();
        t.add(QStringLiteral("ExPara.h"), &T::ExPara, &TScaffoldExPara::h);
        t.add(QStringLiteral("ExPara.high"), &T::ExPara, &TScaffoldExPara::high);
        t.add(QStringLiteral("ExPara.La"), &T::ExPara, &TScaffoldExPara::La);
        t.add(QStringLiteral("ExPara.Lb"), &T::ExPara, &TScaffoldExPara::Lb);
        t.add(QStringLiteral("ExPara.LineCount"), &T::ExPara, &TScaffoldExPara::LineCount);
        t.add(QStringLiteral("ExPara.TubeType"), &T::ExPara, &TScaffoldExPara::TubeType);
        t.add(QStringLiteral("ExPara.DoublePoleHigh"), &T::ExPara, &TScaffoldExPara::DoublePoleHigh);
        t.add(QStringLiteral("ExPara.HPoleAgraffeLay"), &T::ExPara, &TScaffoldExPara::HPoleAgraffeLay);
        t.add(QStringLiteral("ExPara.HPoleAgraffePoleCount"), &T::ExPara, &TScaffoldExPara::HPoleAgraffePoleCount);
        t.add(QStringLiteral("ExPara.HPoleOuterLen"), &T::ExPara, &TScaffoldExPara::HPoleOuterLen);
        t.add(QStringLiteral("ExPara.TubeCountASection"), &T::ExPara, &TScaffoldExPara::TubeCountASection);
        t.add(QStringLiteral("ExPara.TubeLayType"), &T::ExPara, &TScaffoldExPara::TubeLayType);
        t.add(QStringLiteral("ExPara.WalllinkerAgraffeType"), &T::ExPara, &TScaffoldExPara::WalllinkerAgraffeType);
        t.add(QStringLiteral("ExPara.WalllinkerLay"), &T::ExPara, &TScaffoldExPara::WalllinkerLay);
        t.add(QStringLiteral("ExPara.StandPoleOuterLen"), &T::ExPara, &TScaffoldExPara::StandPoleOuterLen);
        t.add(QStringLiteral("ExPara.fastenerType"), &T::ExPara, &TScaffoldExPara::fastenerType);
        t.add(QStringLiteral("ExPara.fasternerCoefficient"), &T::ExPara, &TScaffoldExPara::fasternerCoefficient);
        t.add(QStringLiteral("ExPara.WallLinkerType"), &T::ExPara, &TScaffoldExPara::WallLinkerType);
        t.add(QStringLiteral("GroundWork.a"), &T::Groundwork, &TGroundWorkPara::A);
        t.add(QStringLiteral("GroundWork.fgk"), &T::Groundwork, &TGroundWorkPara::fgk);
        t.add(QStringLiteral("GroundWork.GroundType"), &T::Groundwork, &TGroundWorkPara::GroundType);
        t.add(QStringLiteral("GroundWork.Kc"), &T::Groundwork, &TGroundWorkPara::Kc);
        t.add(QStringLiteral("GroundWork.LowerType"), &T::Groundwork, &TGroundWorkPara::LowerType);
        t.add(QStringLiteral("GroundWork.N"), &T::Groundwork, &TGroundWorkPara::N);
        t.add(QStringLiteral("LiveLoad.ConstructSTDValue"), &T::LiveLoad, &TLiveLoad::ConstructSTDValue);
        t.add(QStringLiteral("LiveLoad.Purpose"), &T::LiveLoad, &TLiveLoad::Purpose);
        t.add(QStringLiteral("LiveLoad.StandardValue"), &T::LiveLoad, &TLiveLoad::StandardValue);
        t.add(QStringLiteral("otherLoad.ConstructFloor"), &T::OtherLoad, &TOtherLoad::ConstructFloor);
        t.add(QStringLiteral("otherLoad.WalllinkerHoriDis"), &T::OtherLoad, &TOtherLoad::WalllinkerHoriDis);
        t.add(QStringLiteral("otherLoad.WalllinkerVertDis"), &T::OtherLoad, &TOtherLoad::WalllinkerVertDis);
        t.add(QStringLiteral("StaticLoad.BalusterDeadWeight"), &T::StaticLoad, &TStaticLoad::BalusterDeadWeight);
        t.add(QStringLiteral("StaticLoad.BalusterType"), &T::StaticLoad, &TStaticLoad::BalusterType);
        t.add(QStringLiteral("StaticLoad.DeadWeightPoleSTD"), &T::StaticLoad, &TStaticLoad::DeadWeightPoleSTD);
        t.add(QStringLiteral("StaticLoad.SafeWareDeadWeight"), &T::StaticLoad, &TStaticLoad::SafeWareDeadWeight);
        t.add(QStringLiteral("StaticLoad.ScaffoldBoardDeadWeight"), &T::StaticLoad,
              &TStaticLoad::ScaffoldBoardDeadWeight);
        t.add(QStringLiteral("StaticLoad.ScaffoldBoardLayer"), &T::StaticLoad, &TStaticLoad::ScaffoldBoardLayer);
        t.add(QStringLiteral("StaticLoad.ScaffoldBoardType"), &T::StaticLoad, &TStaticLoad::ScaffoldBoardType);
        t.add(QStringLiteral("StaticLoad.StandardValue"), &T::StaticLoad, &TStaticLoad::StandardValue);
        t.add(QStringLiteral("WindLoad.AN"), &T::WindLoad, &TWindload::AN);
        t.add(QStringLiteral("WindLoad.Aw"), &T::WindLoad, &TWindload::Aw);
        t.add(QStringLiteral("WindLoad.Coarse"), &T::WindLoad, &TWindload::Coarse);
        t.add(QStringLiteral("WindLoad.Province"), &T::WindLoad, &TWindload::Province);
        t.add(QStringLiteral("WindLoad.District"), &T::WindLoad, &TWindload::District);
        t.add(QStringLiteral("WindLoad.High"), &T::WindLoad, &TWindload::High);
        t.add(QStringLiteral("WindLoad.ScaffoldStatus"), &T::WindLoad, &TWindload::ScaffoldStatus);
        t.add(QStringLiteral("WindLoad.StandardValue"), &T::WindLoad, &TWindload::StandardValue);
        t.add(QStringLiteral("WindLoad.Us"), &T::WindLoad, &TWindload::Us);
        t.add(QStringLiteral("WindLoad.Uz"), &T::WindLoad, &TWindload::Uz);
        t.add(QStringLiteral("WindLoad.Wo"), &T::WindLoad, &TWindload::Wo);
        t.add(QStringLiteral("WindLoadValid"), &T::WindLoadValid);
        return t;
    }();
    return table;
}

ScaffoldContext TGroundScaffold::context(ReportDocument& report)
{
    return ScaffoldContext{*this,     report,     WindLoadValid, ExPara,      LiveLoad,
                           OtherLoad, StaticLoad, WindLoad,      &Groundwork, Work};
}

namespace {

// Runs one section writer; an unexpected failure stops the report with the section's message and the reason.
template<class Writer> void section(const char* message, Writer&& writer)
{
    try {
        writer();
    } catch (const YsError& e) {
        throw YsError(QString::fromUtf8(message) + QLatin1Char('\n') + e.text());
    }
}

} // namespace

void TGroundScaffold::WriteReport(ReportDocument& report)
{
    CalculationObject::WriteReport(report);
    Work = ScaffoldWork{};
    ScaffoldContext c = context(report);
    ReportDocument& r = report;
    using namespace ScaffoldSections;
    // Section headings are raw lines in the heading style.
    auto heading = [&r](const QString& text) {
        r.SetTextStyle(1);
        r.AddRawLine(text);
    };

    section("ParamsGotFromTable  error!", [&] {
        const QStringList lacking = GetParamsFromTable(c);
        r.line(2, "钢管脚手架的计算参照《建筑施工扣件式钢管脚手架安全技术规范》(JGJ130-2001)、");
        r.line(2, "《建筑地基基础设计规范》(GB 50007-2002)、《建筑结构荷载规范》(GB 50009-2001)、");
        r.line(2, "《钢结构设计规范》(GB 50017-2003)等规范。");
        r.SetTextStyle(1);
        r.AddLine(QStringLiteral("一、参数信息:\r\n"), 1);
        WriteParameters(c);
        WriteLookupNotes(c);
        if (!lacking.isEmpty()) {
            const ReportText text(QStringLiteral("参考数据表中缺少"), lacking.join(QStringLiteral("、")),
                                  QStringLiteral("的取值，用到这些取值的验算均按不满足要求处理！"));
            r.AddText(ReportText(text, QStringLiteral("\r\n")), 5, 2);
            AddConclusion(text, ReportText(QStringLiteral("请检查参考数据表。")));
        }
        r.AddPicture(PicPath + QStringLiteral("ground\\落地架侧立面图.bmp"), 4);
        r.AddBlankLine();
        r.AddPicture(PicPath + QStringLiteral("ground\\落地架正立面图.bmp"), 4);
        r.AddBlankLine();
    });

    if (ExPara.HPoleAgraffeLay == 1) {
        heading(QStringLiteral("   二、大横杆的计算:\r\n"));
        r.SetTextStyle(3);
        section("BHPCalculationWhileBigPoleAbove  error!", [&] { BHPCalculationWhileBigPoleAbove(c); });
        heading(QStringLiteral("   三、小横杆的计算:\r\n"));
        r.SetTextStyle(3);
        section("SHPCalculationWhileBigPoleAbove  error!", [&] { SHPCalculationWhileBigPoleAbove(c); });
    } else {
        heading(QStringLiteral("   二、小横杆的计算:\r\n"));
        section("SHPCalculationWhileSmallPoleAbove  error!", [&] { SHPCalculationWhileSmallPoleAbove(c); });
        heading(QStringLiteral("   三、大横杆的计算:\r\n"));
        section("BHPCalculationWhileSmallPoleAbove  error!", [&] { BHPCalculationWhileSmallPoleAbove(c); });
    }
    heading(QStringLiteral("   四、扣件抗滑力的计算:\r\n"));
    CalFastenerSlip(c);
    heading(QStringLiteral("   五、脚手架荷载标准值: \r\n"));
    CalLoadStandardValues(c);
    heading(QStringLiteral("   六、立杆的稳定性计算: \r\n"));
    CalPoleStability(c);
    heading(QStringLiteral("   七、最大搭设高度的计算: \r\n"));
    CalMaxHeight(c);
    heading(QStringLiteral("   八、连墙件的计算: \r\n"));
    CalWallTie(c);
    heading(QStringLiteral("   九、立杆的地基承载力计算: \r\n"));
    CalFoundation(c);
    WriteConclusions(r, QStringLiteral("十"));
}
