#include "analysis/beamlayouts.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Layout
{
    std::vector<double> x;     // node coordinates, m
    std::vector<int> supports; // node of each restraint record, in record order
    std::vector<int> loaded;   // node of each joint load
};

Layout layoutOf(const std::optional<FrameModel>& m)
{
    Layout l;
    if (!m) {
        ADD_FAILURE() << "no model";
        return l;
    }
    l.x.assign(m->X.begin() + 1, m->X.end());
    for (int r = 1; r <= m->restraintCount(); ++r) {
        l.supports.push_back(m->restraints[r].node);
    }
    for (std::size_t j = 1; j < m->jointLoads.size(); ++j) {
        l.loaded.push_back(static_cast<int>(std::lround(m->jointLoads[j].code)));
    }
    return l;
}

void expectX(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-12) << "node " << i + 1;
    }
}

using V = std::vector<double>;
using N = std::vector<int>;

TEST(BeamLayouts, MultiSupportBeamWorksInMetres)
{
    // Lm = 600 mm, L = 1200 mm: c = 0.3 m, s = 0.2 m; loads 0.03 m beyond each inner support (NJ = 2n + 4).
    const Layout l = layoutOf(
        buildMultiSupportBeam({.n = 2, .Lm = 600, .L = 1200, .loads = {0, 1, 2, 2, 1}, .A = 4.89, .I = 12.19}));
    expectX(l.x, V{0, 0.3, 0.5, 0.53, 0.7, 0.73, 0.9, 1.2});
    EXPECT_EQ(l.supports, (N{1, 3, 5, 8}));
    EXPECT_EQ(l.loaded, (N{2, 4, 6, 7}));

    // Inner supports 0.02 m apart: each load point (0.03 m beyond its support) falls past the next support and is
    // placed by its coordinate.
    const Layout close = layoutOf(
        buildMultiSupportBeam({.n = 3, .Lm = 80, .L = 1080, .loads = {0, 1, 1, 1, 1, 1}, .A = 4.89, .I = 12.19}));
    expectX(close.x, V{0, 0.5, 0.52, 0.54, 0.55, 0.56, 0.57, 0.58, 0.59, 1.08});
    EXPECT_EQ(close.supports, (N{1, 3, 4, 6, 10}));
    EXPECT_EQ(close.loaded, (N{2, 5, 7, 8, 9}));

    // The beam as wide as the span: the edge loads stand on the end supports, the first sharing node 1, the last
    // 10⁻⁴ m before its support.
    const Layout edges = layoutOf(
        buildMultiSupportBeam({.n = 1, .Lm = 1000, .L = 1000, .loads = {0, 1, 1, 1}, .A = 4.89, .I = 12.19}));
    expectX(edges.x, V{0, 0.5, 0.53, 0.9999, 1.0});
    EXPECT_EQ(edges.supports, (N{1, 2, 5}));
    EXPECT_EQ(edges.loaded, (N{1, 3, 4}));
}

TEST(BeamLayouts, ContinuousBeamPutsItsLoadJustRightOfTheMiddle)
{
    const Layout l = layoutOf(buildContinuousBeam({.n = 2, .L = 3000, .q = 1, .P = 1, .A = 4.89, .I = 12.19}));
    expectX(l.x, V{0, 1, 1.51, 2, 3});
    EXPECT_EQ(l.supports, (N{1, 2, 4, 5}));
    EXPECT_EQ(l.loaded, (N{3}));
}

TEST(BeamLayouts, ThreeSpanBeamKeepsLoadsOffTheSupports)
{
    // Spacing 400 mm on spans of 1.2 m divides 3·span: g = 9, and the loads at 1.2, 2.4 and 3.6 m stand 10⁻⁴ m
    // before their supports; the load at 0 shares node 1. NJ = g + 4.
    const Layout l = layoutOf(buildThreeSpanBeam({.span = 1.2, .spacing = 400, .A = 4.89, .I = 12.19, .P = 1}));
    expectX(l.x, V{0, 0.4, 0.8, 1.1999, 1.2, 1.6, 2.0, 2.3999, 2.4, 2.8, 3.2, 3.5999, 3.6});
    EXPECT_EQ(l.supports, (N{1, 5, 9, 13}));
    EXPECT_EQ(l.loaded, (N{1, 2, 3, 4, 6, 7, 8, 10, 11, 12}));

    // A spacing longer than a span skips supports: loads at 0, 1.5 and 3.0 m.
    const Layout wide = layoutOf(buildThreeSpanBeam({.span = 1.0, .spacing = 1500, .A = 4.89, .I = 12.19, .P = 1}));
    expectX(wide.x, V{0, 1, 1.5, 2, 2.9999, 3});
}

TEST(BeamLayouts, CantileverBeamRunsFromItsFreeEnd)
{
    // Anchor B at 0, wall A at x0 = 1.5, inner tube 0.3 and outer tube 1.1 m beyond the wall, ropes at 0.6 and
    // 1.2 m from the wall (the second beyond the outer tube), free end 1.4 m out; turned round: x' = 2.9 - x.
    const CantileverBeam b{.n = 2,
                           .x0 = 1.5,
                           .Lt = 1.4,
                           .s = 0.6,
                           .dh = 0.8,
                           .g = 0.3,
                           .f0 = 0.6,
                           .A = 26.1,
                           .I = 1130,
                           .P = 10,
                           .q = 0.25};
    const std::optional<FrameModel> m = buildCantileverBeam(b);
    const Layout l = layoutOf(m);
    expectX(l.x, V{0, 0.2, 0.3, 0.8, 1.1, 1.4, 2.9});
    // Record 1 is the free end and restrains nothing; then the ropes from the free end inwards, A, B.
    EXPECT_EQ(l.supports, (N{1, 2, 4, 6, 7}));
    EXPECT_EQ(m->restraints[1].code, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(m->restraints[5].code, (std::array<int, 3>{1, 1, 0}));
    EXPECT_EQ(l.loaded, (N{3, 5}));
    EXPECT_EQ(m->memberLoads.size() - 1, 6u); // q on every member

    // A rope point under the outer tube moves 10⁻⁶ m towards the free end; the tube's load keeps its node.
    const Layout under = layoutOf(buildCantileverBeam({.n = 1,
                                                       .x0 = 1.5,
                                                       .Lt = 1.3,
                                                       .s = 1,
                                                       .dh = 0.8,
                                                       .g = 0.3,
                                                       .f0 = 1.1,
                                                       .A = 26.1,
                                                       .I = 1130,
                                                       .P = 10,
                                                       .q = 0.2}));
    expectX(under.x, V{0, 0.2 - 1e-6, 0.2, 1.0, 1.3, 2.8});
    EXPECT_EQ(under.supports, (N{1, 2, 5, 6}));
    EXPECT_EQ(under.loaded, (N{3, 4}));

    // A rope point between the wall and the inner tube is placed by its coordinate.
    const Layout inside = layoutOf(buildCantileverBeam({.n = 1,
                                                        .x0 = 1.5,
                                                        .Lt = 1.3,
                                                        .s = 1,
                                                        .dh = 0.8,
                                                        .g = 0.3,
                                                        .f0 = 0.1,
                                                        .A = 26.1,
                                                        .I = 1130,
                                                        .P = 10,
                                                        .q = 0.2}));
    expectX(inside.x, V{0, 0.2, 1.0, 1.2, 1.3, 2.8});
    EXPECT_EQ(inside.supports, (N{1, 4, 5, 6}));
    EXPECT_EQ(inside.loaded, (N{2, 3}));
}

TEST(BeamLayouts, PlatformBeamComparesTheRemainingLengthWithE)
{
    // Lt = 5 m, f = 2 m: secondary beams at the free end and every 2 m back, 1 m (r·f, r = 0.5) left at the wall.
    // With e = 0.6 that remainder is longer than e and gets a secondary beam at the wall, 10⁻⁵ m off it.
    const PlatformBeam b{
        .m = 1, .end = 1, .Lt = 5, .s = 0, .x1 = 3.3, .f = 2, .e = 0.6, .A = 25.15, .I = 1272.7, .P = 5, .q = 0.3};
    const std::optional<FrameModel> m = buildPlatformBeam(b);
    const Layout l = layoutOf(m);
    expectX(l.x, V{0, 1.7, 2, 4, 5 - 1e-5, 5});
    EXPECT_EQ(l.supports, (N{1, 2, 6}));
    EXPECT_EQ(l.loaded, (N{1, 3, 4, 5}));
    EXPECT_EQ(m->restraints[3].code, (std::array<int, 3>{1, 1, 0}));

    // With e = 1.2 the remainder is not longer than e: no beam at the wall. A fixed wall holds the rotation too.
    PlatformBeam shortRest = b;
    shortRest.e = 1.2;
    shortRest.end = 2;
    const std::optional<FrameModel> s = buildPlatformBeam(shortRest);
    const Layout ls = layoutOf(s);
    expectX(ls.x, V{0, 1.7, 2, 4, 5});
    EXPECT_EQ(ls.loaded, (N{1, 3, 4}));
    EXPECT_EQ(s->restraints[3].code, (std::array<int, 3>{1, 1, 1}));

    // A rope point under a secondary beam: the two nodes are parted by 10⁻⁵ m, the one nearer the free end moved.
    PlatformBeam under = b;
    under.x1 = 3.0;
    const Layout lu = layoutOf(buildPlatformBeam(under));
    expectX(lu.x, V{0, 2 - 1e-5, 2, 4, 5 - 1e-5, 5});
    EXPECT_EQ(lu.supports, (N{1, 2, 6}));
    EXPECT_EQ(lu.loaded, (N{1, 3, 4, 5}));
}

} // namespace
