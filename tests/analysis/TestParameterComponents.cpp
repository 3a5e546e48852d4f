#include "analysis/TGroundWorkPara.h"
#include "analysis/TScaffoldExPara.h"
#include "analysis/TWindload.h"
#include "analysis/TWood.h"

#include <gtest/gtest.h>

namespace {

TEST(ParameterComponents, DefaultsOfANewScaffoldGeometry)
{
    const TScaffoldExPara p;
    EXPECT_EQ(p.LineCount, 1);
    EXPECT_EQ(p.TubeType, 0);
    EXPECT_EQ(p.StandPoleOuterLen, 0.1);
    EXPECT_EQ(p.BoardSupportDistance, 300);
    EXPECT_EQ(p.HPoleAgraffeLay, 1);
    EXPECT_EQ(p.fasternerCoefficient, 0.8);
}

TEST(ParameterComponents, AssignCopiesPersistedValuesOnly)
{
    TScaffoldExPara a;
    a.fastenerType = 1;
    a.WallLinkerType = 1;
    a.fasternerCoefficient = 0.9;
    a.WalllinkerLay = 2;
    TScaffoldExPara b;
    b.Assign(a);
    EXPECT_EQ(b.fastenerType, 1);
    EXPECT_EQ(b.WallLinkerType, 1);
    EXPECT_EQ(b.fasternerCoefficient, 0.9);
    EXPECT_EQ(b.WalllinkerLay, 2);

    TWood w;
    w.I = 213.3;
    w.W = 53.3;
    TWood source;
    source.E = 10000;
    source.I = 1;
    w.Assign(source);
    EXPECT_EQ(w.E, 10000);
    EXPECT_EQ(w.I, 213.3); // derived values stay
    EXPECT_EQ(w.W, 53.3);

    TGroundWorkPara g;
    g.fg = 68;
    g.p = 75.2;
    TGroundWorkPara src;
    src.A = 0.3;
    src.fgk = 120;
    src.GroundType = 5;
    src.Kc = 0.5;
    src.LowerType = 3;
    src.N = 20;
    g.Assign(src);
    EXPECT_EQ(g.A, 0.3);
    EXPECT_EQ(g.fgk, 120);
    EXPECT_EQ(g.GroundType, 5);
    EXPECT_EQ(g.Kc, 0.5);
    EXPECT_EQ(g.LowerType, 3);
    EXPECT_EQ(g.N, 20);
    EXPECT_EQ(g.fg, 68);
    EXPECT_EQ(g.p, 75.2);

    TWindload wind;
    wind.Wk = 0.4;
    TWindload other;
    other.Wo = 0.45;
    other.District = QStringLiteral("杭州市");
    other.Wk = 9;
    wind.Assign(other);
    EXPECT_EQ(wind.Wo, 0.45);
    EXPECT_EQ(wind.District, QStringLiteral("杭州市"));
    EXPECT_EQ(wind.Wk, 0.4);
}

TEST(ParameterComponents, ShapeFactorByEnclosure)
{
    // φ = 1.2 × AN / Aw = 1.2 × 6 / 12 = 0.6.
    struct Case
    {
        qint32 status;
        double us;
    };
    for (const Case c : {Case{0, 1.2}, Case{1, 0.6}, Case{2, 0.78}, Case{3, -1}}) {
        TWindload w;
        w.AN = 6;
        w.Aw = 12;
        w.ScaffoldStatus = c.status;
        EXPECT_NEAR(w.CalUs(), c.us, 1e-12) << c.status;
        EXPECT_NEAR(w.Phi, 0.6, 1e-12);
        EXPECT_EQ(w.Us, 1.2); // the caller stores the result
    }
}

} // namespace
