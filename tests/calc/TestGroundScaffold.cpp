#include "TempHome.h"
#include "calc/ground/TGroundScaffold.h"
#include "core/TYsProject.h"
#include "refdata/Tdm1.h"
#include "report/ReportDocument.h"
#include "report/ReportDump.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Relative tolerance for the hand-calculated values (they are given to four or five figures).
void expectClose(double actual, double expected, const char* what)
{
    const double tolerance = std::max(std::abs(expected) * 2e-4, 5e-5);
    EXPECT_NEAR(actual, expected, tolerance) << what;
}

struct Book
{
    std::unique_ptr<TGroundScaffold> obj = std::make_unique<TGroundScaffold>();
    std::unique_ptr<ReportDocument> report = std::make_unique<ReportDocument>();
    QString text;
};

Book write(const std::function<void(TGroundScaffold&)>& setUp)
{
    Book b;
    b.obj->Caption = QStringLiteral("落地架");
    setUp(*b.obj);
    b.obj->WriteReport(*b.report);
    b.text = b.report->plainText();
    return b;
}

class GroundScaffold : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dm1().isOpen()) << dm1().openError().toStdString(); }
    TempHome home;
};

// Default object: h 1.5, la 1.2, lb 1.05, double row, Φ48×3.5 (A 4.89 cm², I 12.19 cm⁴, W 5.08 cm³, i 1.58 cm,
// g 0.0384 kN/m), longitudinal bars on top, n = 2, single fasteners, wind off, H 20 m; gk 0.1291 (double row,
// h 1.5, la 1.2), μ 1.50 (two steps three spans, lb 1.05), E 2.06×10⁵ N/mm², f 205 N/mm², Rc 8 kN.
TEST_F(GroundScaffold, DefaultSetAgainstTheHandCalculation)
{
    const Book b = write([](TGroundScaffold&) {});
    const ScaffoldWork& w = b.obj->Work;
    // Longitudinal bar, three spans under uniform load: q1 = 1.2(0.0384 + 0.3×1.05/3) = 0.17208, q2 = 1.4×1.05 = 1.47;
    // M1 = 0.08q1la² + 0.10q2la² = 0.232, M2 = -(0.10q1la² + 0.117q2la²) = -0.272; σ = 0.272×10⁶/5080 = 53.543;
    // V = (0.677×0.1434 + 0.990×1.05)×1200⁴/(100×2.06×10⁵×12.19×10⁴) = 0.9385 mm.
    expectClose(w.bigBar.M1, 0.232, "M1");
    expectClose(w.bigBar.M2, -0.272, "M2");
    expectClose(w.bigBar.sigma, 53.5433, "big bar σ");
    expectClose(w.bigBar.V, 0.9385, "big bar V");
    // Transverse bar, simple span with two loads P = 1.2(0.04608 + 0.126) + 1.4×1.26 = 1.9705 at the thirds:
    // M = 1.2×0.0384×1.05²/8 + P×1.05/3 = 0.69602, σ = 137.013; V = Vq + Vp = 0.02420 + 2.34324 = 2.3674 mm.
    expectClose(w.smallBar.M, 0.69602, "small bar M");
    expectClose(w.smallBar.sigma, 137.0126, "small bar σ");
    expectClose(w.smallBar.V, 2.3674, "small bar V");
    // Fastener: R = 1.2(0.0384×1.05 + 0.3×1.05×1.2/2) + 1.4×3×1.05×1.2/2 = 2.9212 < 0.8×8.
    expectClose(w.fastenerLoad.R, 2.9212, "R");
    // Loads: NG1 = 0.1291×20 = 2.582, NG2 = 4×0.3×1.35×1.2/2 = 0.972, NG3 = 4×0.11×1.2/2 = 0.264,
    // NG4 = 0.005×1.2×20 = 0.12, NG = 3.938; NQ = 3×1.05×1.2×2/2 = 3.78; N = 1.2NG + 1.4NQ = 10.0176.
    expectClose(w.loads.NG, 3.938, "NG");
    expectClose(w.loads.NQ, 3.78, "NQ");
    expectClose(w.pole.N, 10.0176, "N");
    // Stability: l0 = 1.155×1.5×1.5 = 2.59875 m, λ = 2598.75/15.8 = 164, φ = 0.262; σ = 10017.6/(0.262×489) = 78.190.
    EXPECT_EQ(w.pole.lambda, 164);
    expectClose(w.pole.phi, 0.262, "φ");
    expectClose(w.pole.sigma, 78.1904, "σ");
    // Height: NG2K = 1.356; Hs = (0.1×0.262×4.89×205 − (1.2×1.356 + 1.4×3.78))/(1.2×0.1291) = 124.871 m,
    // [H] = Hs/(1 + 0.001Hs) = 111.009 m, limited to 50 m.
    expectClose(w.height.Hs, 124.8708, "Hs");
    expectClose(w.height.H, 50, "[H]");
    // Foundation: p = 10.0176/0.25 = 40.070 < fg = 170×0.4 = 68.
    expectClose(b.obj->Groundwork.p, 40.0704, "p");
    expectClose(b.obj->Groundwork.fg, 68, "fg");
    EXPECT_FALSE(b.text.contains(QStringLiteral("结论和建议")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("不考虑风荷载连墙件的轴向力 无需计算!")));
    // The printed lines carry the same numbers.
    EXPECT_TRUE(b.text.contains(QStringLiteral("σ=Max(0.232×10")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("   N = 1.2NG+1.4NQ = 1.2×3.938+ 1.4×3.780\n        = 10.018 kN；")));
}

// Single row, transverse bars on top, n = 3, lb 1.5: gk 0.1384 (single row, h 1.5, la 1.2), μ 1.80.
TEST_F(GroundScaffold, SingleRowWithTransverseBarsOnTopAndThreeBars)
{
    const Book b = write([](TGroundScaffold& g) {
        g.ExPara.LineCount = 0;
        g.ExPara.HPoleAgraffeLay = 0;
        g.ExPara.HPoleAgraffePoleCount = 3;
        g.ExPara.Lb = 1.5;
    });
    const ScaffoldWork& w = b.obj->Work;
    // Transverse bar, simple span under q = 1.2×0.0384 + 1.2×0.3×1.2/4 + 1.4×3×1.2/4 = 1.41408:
    // M = q×1.5²/8 = 0.39771, σ = 78.289; V = 5×1.1784×1500⁴/(384EI) = 2.6996 mm.
    expectClose(w.smallBar.q, 1.41408, "q");
    expectClose(w.smallBar.sigma, 78.2894, "small bar σ");
    expectClose(w.smallBar.V, 2.6996, "small bar V");
    // Longitudinal bar, three spans with three loads P = (1.2×0.0576 + 1.2×0.135 + 1.4×1.35)/2 = 1.06056:
    // M = 0.08×0.0384×1.2² + 0.417×P×1.2 = 0.00442 + 0.53070, σ = 105.340; V = 0.02147 + 3.029×… = 1.6291 mm.
    expectClose(w.bigBar.q, 1.06056, "P");
    expectClose(w.bigBar.sigma, 105.3401, "big bar σ");
    expectClose(w.bigBar.V, 1.6291, "big bar V");
    // R = 1.2(0.0384×1.2 + 0.3×1.5×1.2/2) + 1.4×3×1.5×1.2/2 = 4.1593.
    expectClose(w.fastenerLoad.R, 4.1593, "R");
    // NG = 2.768 + 1.296 + 0.264 + 0.12 = 4.448, NQ = 5.4, N = 12.8976; λ = round(1155×1.8×1.5/15.8) = 197,
    // φ = 0.186, σ = 12897.6/(0.186×489) = 141.80; Hs = 54.610 m, [H] = 51.782 m, limited to 50 m.
    expectClose(w.loads.NG, 4.448, "NG");
    expectClose(w.pole.N, 12.8976, "N");
    EXPECT_EQ(w.pole.lambda, 197);
    expectClose(w.pole.sigma, 141.8035, "σ");
    expectClose(w.height.Hs, 54.6096, "Hs");
    expectClose(w.height.H, 50, "[H]");
    EXPECT_TRUE(b.text.contains(QStringLiteral("   二、小横杆的计算:")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("计算的脚手架为单排脚手架")));
    EXPECT_FALSE(b.text.contains(QStringLiteral("结论和建议")));
}

// Longitudinal bars on top with wind and double fasteners: h 1.5, la 1.5, lb 1.05, H 30 m; gk 0.1394, μ 1.50,
// Wk = 0.7×0.55×0.84×1.2 = 0.38808 kN/m².
TEST_F(GroundScaffold, WindAndDoubleFasteners)
{
    const Book b = write([](TGroundScaffold& g) {
        g.WindLoadValid = true;
        g.ExPara.fastenerType = 1;
        g.ExPara.WallLinkerType = 1;
        g.ExPara.La = 1.5;
        g.ExPara.high = 30;
    });
    const ScaffoldWork& w = b.obj->Work;
    expectClose(w.bigBar.sigma, 83.8583, "big bar σ");      // M2 = -(0.10×0.17208 + 0.117×1.47)×1.5² = -0.426
    expectClose(w.smallBar.sigma, 170.9532, "small bar σ"); // P = 2.46312, M = 0.86844
    expectClose(w.fastenerLoad.R, 3.6394, "R");             // double fasteners: 0.8×16 = 12.8 kN
    // NG = 4.182 + 1.215 + 0.33 + 0.225 = 5.952, NQ = 4.725; N = 13.7574, NWind = 1.2NG + 1.19NQ = 12.7651.
    expectClose(w.loads.NG, 5.952, "NG");
    expectClose(w.pole.N, 13.7574, "N");
    expectClose(w.pole.NWind, 12.7651, "NWind");
    // Mw = 1.19×0.38808×1.5×1.5²/10 = 0.15586; with wind σ = 12765.1/(0.262×489) + 155860/5080 = 130.318.
    expectClose(b.obj->WindLoad.Wk, 0.38808, "Wk");
    expectClose(b.obj->WindLoad.Mw, 0.15586, "Mw");
    expectClose(w.pole.sigma, 130.3175, "σ with wind");
    // Mwk = Mw/1.19 = 0.13098; Hs with wind = 87.199 m → [H] = 80.21 m → 50 m.
    expectClose(b.obj->WindLoad.Mwk, 0.13098, "Mwk");
    expectClose(w.height.HsWind, 87.1985, "Hs with wind");
    expectClose(w.height.HWind, 50, "[H] with wind");
    // Wall tie: Aw = 1.5×2×1.5×3 = 13.5 m², NL = 1.4×0.38808×13.5 + 5 = 12.3347; λ = round(300/15.8) = 19,
    // φ = 0.949, Nf = 0.949×4.89×205/10 = 95.13 kN; double fastener 16 kN.
    expectClose(w.tie.NL, 12.3347, "NL");
    expectClose(w.tie.Nf, 95.1325, "Nf");
    // The foundation carries the worse combination, N = 13.7574: p = 55.030 < 68.
    expectClose(b.obj->Groundwork.N, 13.7574, "foundation N");
    expectClose(b.obj->Groundwork.p, 55.0296, "p");
    EXPECT_TRUE(b.text.contains(QStringLiteral("R < 12.80 kN,所以双扣件抗滑承载力的设计计算满足要求!")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("经过计算得到 Nl=12.335小于双扣件的抗滑力 16.0 kN，满足要求!")));
    EXPECT_FALSE(b.text.contains(QStringLiteral("结论和建议")));
}

// Everything too wide and too high, welded wall ties, three steps three spans: h 1.8, la 2.0, lb 1.55, H 50 m,
// Qk 5, six board layers, fgk 100, A 0.2; gk 0.1395, μ 1.80 (three steps three spans, lb 1.55).
TEST_F(GroundScaffold, AFailingSetWritesItsConclusions)
{
    const Book b = write([](TGroundScaffold& g) {
        g.WindLoadValid = true;
        g.ExPara.h = 1.8;
        g.ExPara.La = 2.0;
        g.ExPara.Lb = 1.55;
        g.ExPara.high = 50;
        g.ExPara.WalllinkerLay = 1;
        g.ExPara.WalllinkerAgraffeType = 1;
        g.LiveLoad.ConstructSTDValue = 5;
        g.StaticLoad.ScaffoldBoardLayer = 6;
        g.Groundwork.fgk = 100;
        g.Groundwork.A = 0.2;
    });
    const ScaffoldWork& w = b.obj->Work;
    expectClose(w.bigBar.sigma, 351.378, "big bar σ"); // M2 = -(0.10×0.23208 + 0.117×3.61667)×4 = -1.785
    expectClose(w.bigBar.V, 17.1296, "big bar V");
    expectClose(w.smallBar.sigma, 785.6056, "small bar σ"); // P = 7.69749
    expectClose(w.fastenerLoad.R, 11.4794, "R");            // between 6.4 and 12.8: double fasteners advised
    // NG = 6.975 + 3.33 + 0.66 + 0.5 = 11.465, NQ = 15.5, N = 35.458; λ = round(1155×1.8×1.8/15.8) = 237 > 210.
    expectClose(w.pole.N, 35.458, "N");
    EXPECT_EQ(w.pole.lambda, 237);
    EXPECT_TRUE(w.lambdaExceeded);
    // The height uses φ of the actual slenderness, 0.130: Hs = (0.1×0.130×4.89×205 − (1.2×4.49 + 1.4×15.5))/
    // (1.2×0.1395) = -83.967 m, no height is permissible.
    expectClose(w.pole.phi, 0.130, "φ");
    expectClose(w.height.Hs, -83.9674, "Hs");
    // Wall tie: Aw = 1.8×3×2.0×3 = 32.4, NL = 1.4×0.38808×32.4 + 5 = 22.6033 < Nf 95.13; weld
    // σ = 22603.3/(π×48×3.5) = 42.827 < 185.
    expectClose(w.tie.NL, 22.6033, "NL");
    expectClose(w.tie.sigmaW, 42.8265, "weld σ");
    // Foundation: p = 35.458/0.2 = 177.29 ≥ fg = 40.
    expectClose(b.obj->Groundwork.p, 177.29, "p");
    EXPECT_TRUE(b.text.contains(QStringLiteral("十、结论和建议:")));
    const QString tail = b.text.mid(b.text.indexOf(QStringLiteral("十、结论和建议:")));
    for (const char* expected : {"1.大横杆的抗弯强度:σ= 351.378 N/mm2 大于或等于 [f]=205.0 N/mm2。不满足要求！",
                                 "2.大横杆的最大挠度大于 2000.0/150 mm或者 10 mm,不满足要求!",
                                 "3.小横杆的计算强度大于 205.000 N/mm2,不满足要求！",
                                 "5.单扣件抗滑承载力的设计计算不满足要求!建议采用双扣件或者减少立杆间距!",
                                 "6.杆件长细比超过JGJ130-2001第14页表5.1.9规定，lo/i>210， 不满足要求！",
                                 "7.杆件长细比超过JGJ130-2001第14页表5.1.9规定，lo/i>210， 不满足要求！",
                                 "8.计算得到的可搭设高度 Hs 不大于零，按此参数不能搭设脚手架！",
                                 "10.p=177.290 ≥ fg=40.000 kN/m2 。地基承载力的计算不满足要求！"}) {
        EXPECT_TRUE(tail.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_TRUE(b.text.contains(QStringLiteral("Nl=22.603<Nf=95.133,连墙件的设计计算满足要求！")));
    EXPECT_TRUE(b.text.contains(QStringLiteral(" t为连墙件的壁厚，t=3.500 mm；")));
}

// A reference value the tables lack never gives a passing verdict: a city without wind pressure turns Wo = -1
// into the lookup's -3.
TEST_F(GroundScaffold, AMissingReferenceValueFailsTheChecksThatUseIt)
{
    const Book b = write([](TGroundScaffold& g) {
        g.WindLoadValid = true;
        g.WindLoad.Wo = -1;
        g.WindLoad.District = QStringLiteral("不存在的城市");
    });
    EXPECT_EQ(b.obj->WindLoad.Wo, -3);
    EXPECT_TRUE(b.text.contains(QStringLiteral("参考数据表中缺少基本风压Wo的取值")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("验算所需的参考数据缺失，无法判定，按不满足要求处理！")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("十、结论和建议:")));
}

// The erection height is held against the permissible one; out-of-range inputs are reported in the book.
TEST_F(GroundScaffold, InputErrorsAndTheHeightVerdict)
{
    const Book b = write([](TGroundScaffold& g) {
        g.ExPara.HPoleAgraffePoleCount = 4;
        g.ExPara.h = 2.2;
        g.ExPara.high = 60;
    });
    EXPECT_TRUE(b.text.contains(QStringLiteral("搭接的横杆根数为 4，只能取2或3，无法计算！")));
    EXPECT_TRUE(b.text.contains(
        QStringLiteral("注：步距 h=2.20 m 超出结构自重标准值表的范围(1.20～2.00 m)，gk按表的边界值取用。")));
    EXPECT_TRUE(b.text.contains(QStringLiteral("脚手架搭设高度 H = 60.00 m 大于搭设高度限值")));
}

// The keys a project file holds, in the order they are written: older and newer files rely on them.
TEST_F(GroundScaffold, PropertyListKeysAndRoundTrip)
{
    TGroundScaffold g;
    g.ExPara.La = 1.35;
    g.WindLoad.District = QStringLiteral("杭州市");
    g.WindLoadValid = true;
    g.StoreToPropList();
    QStringList names;
    for (int i = 0; i < g.PropList.Count(); ++i) {
        names << g.PropList.name(i);
    }
    const QStringList expected
        = QStringLiteral(
              "caption index P_index typeid ExPara.h ExPara.high ExPara.La ExPara.Lb ExPara.LineCount ExPara.TubeType "
              "ExPara.DoublePoleHigh ExPara.HPoleAgraffeLay ExPara.HPoleAgraffePoleCount ExPara.HPoleOuterLen "
              "ExPara.TubeCountASection ExPara.TubeLayType ExPara.WalllinkerAgraffeType ExPara.WalllinkerLay "
              "ExPara.StandPoleOuterLen ExPara.fastenerType ExPara.fasternerCoefficient ExPara.WallLinkerType "
              "GroundWork.a "
              "GroundWork.fgk GroundWork.GroundType GroundWork.Kc GroundWork.LowerType GroundWork.N "
              "LiveLoad.ConstructSTDValue LiveLoad.Purpose LiveLoad.StandardValue otherLoad.ConstructFloor "
              "otherLoad.WalllinkerHoriDis otherLoad.WalllinkerVertDis StaticLoad.BalusterDeadWeight "
              "StaticLoad.BalusterType "
              "StaticLoad.DeadWeightPoleSTD StaticLoad.SafeWareDeadWeight StaticLoad.ScaffoldBoardDeadWeight "
              "StaticLoad.ScaffoldBoardLayer StaticLoad.ScaffoldBoardType StaticLoad.StandardValue WindLoad.AN "
              "WindLoad.Aw "
              "WindLoad.Coarse WindLoad.Province WindLoad.District WindLoad.High WindLoad.ScaffoldStatus "
              "WindLoad.StandardValue WindLoad.Us WindLoad.Uz WindLoad.Wo WindLoadValid")
              .split(QLatin1Char(' '));
    EXPECT_EQ(names, expected);
    // A new object's defaults: lb 1.05 and h 1.5 over the component's own, longitudinal bars on top, no wind.
    TGroundScaffold fresh;
    EXPECT_EQ(fresh.ExPara.Lb, 1.05);
    EXPECT_EQ(fresh.ExPara.h, 1.5);
    EXPECT_EQ(fresh.ExPara.HPoleAgraffeLay, 1);
    EXPECT_FALSE(fresh.WindLoadValid);
    // What a file gives back as text reads into the same fields.
    for (int i = 0; i < g.PropList.Count(); ++i) {
        fresh.PropList.AddValue(g.PropList.name(i), g.PropList.record(i).Value.toText());
    }
    ASSERT_TRUE(fresh.LoadFromPropList());
    EXPECT_EQ(fresh.ExPara.La, 1.35);
    EXPECT_EQ(fresh.WindLoad.District, QStringLiteral("杭州市"));
    EXPECT_TRUE(fresh.WindLoadValid);
}

// Both arrangements pinned as text dumps with styles and script marks: a changed literal shows up in review.
// YUNSHAN_UPDATE_DUMPS=1 writes them anew.
TEST_F(GroundScaffold, PinnedBooks)
{
    struct Case
    {
        const char* file;
        std::function<void(TGroundScaffold&)> setUp;
    };
    const Case cases[] = {
        {"ground-longitudinal-on-top.txt", [](TGroundScaffold&) {}},
        {"ground-transverse-on-top-wind.txt",
         [](TGroundScaffold& g) {
             g.ExPara.HPoleAgraffeLay = 0;
             g.WindLoadValid = true;
             g.WindLoad.District = QStringLiteral("杭州市");
         }},
    };
    for (const Case& c : cases) {
        const Book b = write(c.setUp);
        const QString dump = dumpReport(b.report->document());
        const QString path = QStringLiteral(YUNSHAN_TEST_DATA "/") + QString::fromLatin1(c.file);
        if (qEnvironmentVariableIsSet("YUNSHAN_UPDATE_DUMPS")) {
            writeFile(path, dump.toUtf8());
        }
        EXPECT_EQ(dump, QString::fromUtf8(readFile(path))) << c.file;
    }
}

} // namespace
