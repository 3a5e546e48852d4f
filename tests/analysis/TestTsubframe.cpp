#include "analysis/BandMatrix.h"
#include "analysis/Tsubframe.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

// Sign conventions checked here: loads are given positive downward; reactions come out positive upward; moments
// are positive over supports (hogging) and negative in sagging spans; deflections are negative downward, in mm.

namespace {

constexpr double kA = 4.89;      // cm², a 48 × 3.5 tube
constexpr double kI = 12.19;     // cm⁴
const double kEI = 12.19 * 2.06; // kN·m²

void expectRel(double actual, double expected, double rel, const std::string& what = {})
{
    EXPECT_NEAR(actual, expected, rel * std::abs(expected)) << what;
}

// The value of a curve at the first point at x.
double at(const Tarry_ShearingForce& curve, double x)
{
    for (const ResultPoint& p : curve) {
        if (std::abs(p.x - x) < 1e-9) {
            return p.value;
        }
    }
    ADD_FAILURE() << "no point at x = " << x;
    return NAN;
}

double sum(const std::vector<double>& v)
{
    double s = 0;
    for (double x : v) {
        s += x;
    }
    return s;
}

TEST(FrameSolver, SimpleSpanUnderUniformAndPointLoad)
{
    // One span L = 4 m (the continuous beam with no inner support); P stands at a = L/2 + 0.01 m, b = L - a.
    // R1 = qL/2 + Pb/L, R2 = qL/2 + Pa/L; under the load M = R1·a - qa²/2 (sagging) and
    // w = q·a(L³ - 2La² + a³)/(24EI) + P·a²b²/(3EIL) (downward).
    const double L = 4.0;
    const double a = 2.01;
    const double b = L - a;
    struct Case
    {
        double q;
        double P;
    };
    for (const Case c : {Case{2.0, 0.0}, Case{0.0, 10.0}, Case{2.0, 10.0}}) {
        SCOPED_TRACE("q = " + std::to_string(c.q) + ", P = " + std::to_string(c.P));
        Tsubframe t;
        ASSERT_EQ(t.CalContinuousBeam({.n = 0, .L = 4000, .q = c.q, .P = c.P, .A = kA, .I = kI}), SolveStatus::Solved);
        const double R1 = c.q * L / 2 + c.P * b / L;
        const double R2 = c.q * L / 2 + c.P * a / L;
        ASSERT_EQ(t.Reaction().size(), 2u);
        expectRel(t.Reaction()[0], R1, 1e-9);
        expectRel(t.Reaction()[1], R2, 1e-9);
        const double M = R1 * a - c.q * a * a / 2;
        expectRel(at(t.BendingMoment(), a), -M, 1e-9);
        expectRel(t.MaxMoment(), M, 1e-9);
        expectRel(t.ShearingForce()[1].value, R1, 1e-9);
        expectRel(t.ShearingForce()[4].value, -R2, 1e-9);
        const double w
            = c.q * a * (L * L * L - 2 * L * a * a + a * a * a) / (24 * kEI) + c.P * a * a * b * b / (3 * kEI * L);
        expectRel(at(t.Deflection(), a), -1000 * w, 1e-7);
        // One deflection point per 0.05 m grid point (81 over 4 m) and one for the load node off the grid.
        EXPECT_EQ(t.Deflection().size(), 82);
        EXPECT_EQ(t.ShearingForce().size(), 4);
    }
}

TEST(FrameSolver, ThreeEqualSpansUnderUniformLoad)
{
    // Spans L = 1.5 m, q = 3 kN/m. Support moments 0.100qL², end-span moment 0.080qL² at 0.4L, middle-span
    // moment 0.025qL²; reactions 0.4qL and 1.1qL; midspan deflection of an end span
    // (5/384 - 0.1/16)·qL⁴/EI = 0.677qL⁴/(100EI).
    const double L = 1.5;
    const double q = 3.0;
    FrameModel m = FrameModel::beam({0, 0.4 * L, L, 1.5 * L, 2 * L, 2.6 * L, 3 * L}, steelEA(kA), steelEI(kI));
    for (int node : {1, 3, 5}) {
        m.restraints.push_back({node, {0, 1, 0}});
    }
    m.restraints.push_back({7, {1, 1, 0}});
    for (int e = 1; e <= m.memberCount(); ++e) {
        m.memberLoads.push_back({e, FrameModel::MemberLoadType::Uniform, m.X[e + 1] - m.X[e], -q});
    }
    Tsubframe t;
    ASSERT_EQ(t.Solve(m), SolveStatus::Solved);
    const double qL2 = q * L * L;
    expectRel(at(t.BendingMoment(), 0.4 * L), -0.080 * qL2, 1e-9);
    expectRel(at(t.BendingMoment(), L), 0.100 * qL2, 1e-9);
    expectRel(at(t.BendingMoment(), 1.5 * L), -0.025 * qL2, 1e-9);
    expectRel(at(t.BendingMoment(), 2 * L), 0.100 * qL2, 1e-9);
    expectRel(t.MaxMoment(), 0.100 * qL2, 1e-9);
    const std::vector<double> R = t.Reaction();
    expectRel(R[0], 0.4 * q * L, 1e-9);
    expectRel(R[1], 1.1 * q * L, 1e-9);
    expectRel(R[2], 1.1 * q * L, 1e-9);
    expectRel(R[3], 0.4 * q * L, 1e-9);
    const double w = (5.0 / 384 - 0.1 / 16) * q * L * L * L * L / kEI;
    expectRel(at(t.Deflection(), 0.75), -1000 * w, 1e-7);
    expectRel(w * 100 * kEI / (q * L * L * L * L), 0.677, 1e-3);

    // The entry operation for n + 1 equal spans builds the same beam (its point load, here 0, sits at 1.5L + 0.01).
    Tsubframe c;
    ASSERT_EQ(c.CalContinuousBeam({.n = 2, .L = 4500, .q = q, .P = 0, .A = kA, .I = kI}), SolveStatus::Solved);
    EXPECT_EQ(c.Reaction().size(), 4u);
    for (std::size_t j = 0; j < 4; ++j) {
        expectRel(c.Reaction()[j], R[j], 1e-9);
    }
    expectRel(c.MaxMoment(), 0.100 * qL2, 1e-9);
    expectRel(at(c.Deflection(), 0.75), -1000 * w, 1e-7);
}

TEST(FrameSolver, ThreeSpansUnderPointLoads)
{
    // Spans L = 1.2 m, P = 2 kN every 0.6 m: one load at each midspan, the others on the supports (the first shares
    // node 1, the rest stand 10⁻⁴ m before their support). Midspan loads alone: support moments 0.150PL, end-span
    // moments 0.175PL, middle-span 0.100PL; reactions 0.35P and 1.15P, to which each support adds its own load;
    // end-span midspan deflection (1/48 - 0.150/16)·PL³/EI = 1.146PL³/(100EI). The 10⁻⁴ m shifts stay within 10⁻³.
    const double L = 1.2;
    const double P = 2.0;
    Tsubframe t;
    ASSERT_EQ(t.CalThreeSpanBeam({.span = L, .spacing = 600, .A = kA, .I = kI, .P = P}), SolveStatus::Solved);
    const double PL = P * L;
    expectRel(at(t.BendingMoment(), L), 0.150 * PL, 1e-3);
    expectRel(at(t.BendingMoment(), 2 * L), 0.150 * PL, 1e-3);
    expectRel(at(t.BendingMoment(), 0.5 * L), -0.175 * PL, 1e-3);
    expectRel(at(t.BendingMoment(), 1.5 * L), -0.100 * PL, 1e-3);
    expectRel(t.MaxMoment(), 0.175 * PL, 1e-3);
    const std::vector<double>& R = t.Reaction();
    ASSERT_EQ(R.size(), 4u);
    expectRel(R[0], 0.35 * P + P, 1e-3);
    expectRel(R[1], 1.15 * P + P, 1e-3);
    expectRel(R[2], 1.15 * P + P, 1e-3);
    expectRel(R[3], 0.35 * P + P, 1e-3);
    expectRel(t.MaxReaction(), 2.15 * P, 1e-3);
    expectRel(sum(R), 7 * P, 1e-7);
    expectRel(at(t.Deflection(), 0.6), -1000 * (1.0 / 48 - 0.150 / 16) * P * L * L * L / kEI, 1e-3);

    // A member shorter than 0.01 m (the gap before a support) shows the shear of the member end before it.
    const Tarry_ShearingForce& V = t.ShearingForce();
    int shortMembers = 0;
    for (int j = 2; j <= V.size() - 4; j += 2) {
        if (V[j + 2].x - V[j].x < 0.01) {
            ++shortMembers;
            EXPECT_EQ(V[j + 1].value, V[j].value);
            EXPECT_EQ(V[j + 2].value, V[j].value);
        }
    }
    EXPECT_EQ(shortMembers, 2); // before the two inner supports; the last member keeps its own shear
}

TEST(FrameSolver, Cantilevers)
{
    // A platform beam without ropes, fixed at the wall, is a cantilever of L = 2 m: one secondary beam at the free
    // end, one at the wall (10⁻⁵ m off it), q on the whole length. Wall moment PL + qL²/2, wall reaction 2P + qL,
    // tip deflection PL³/(3EI) + qL⁴/(8EI). The free end's record restrains nothing and reacts 0.
    const double L = 2.0;
    const double P = 5.0;
    const double q = 1.5;
    const double EI = steelEI(1272.7);
    Tsubframe t;
    ASSERT_EQ(
        t.CalPlatformBeam(
            {.m = 0, .end = 2, .Lt = L, .s = 0, .x1 = 0, .f = L, .e = 0.3, .A = 25.15, .I = 1272.7, .P = P, .q = q}),
        SolveStatus::Solved);
    ASSERT_EQ(t.Reaction().size(), 2u);
    EXPECT_NEAR(t.Reaction()[0], 0.0, 1e-9);
    expectRel(t.Reaction()[1], 2 * P + q * L, 1e-9);
    expectRel(t.MaxMoment(), P * L + q * L * L / 2, 1e-5);
    const double tip = P * L * L * L / (3 * EI) + q * L * L * L * L / (8 * EI);
    expectRel(t.Deflection()[1].value, -1000 * tip, 1e-5);
    expectRel(t.MaxDeflection(), 1000 * tip, 1e-5);

    // The cantilevered scaffold beam without ropes: anchored (pinned) at B, on the wall A at x0 = 1.5 m, tubes
    // at g = 0.3 m and g + dh = 1.1 m from the wall, Lt = 1.3 m out. Moments about B:
    // R_A = (P(x0 + g) + P(x0 + g + dh) + q(x0 + Lt)²/2)/x0, R_B = 2P + q(x0 + Lt) - R_A (downward: the anchor
    // holds the beam down); the moment at A is P·g + P(g + dh) + qLt²/2, the largest on the beam.
    const double x0 = 1.5, Lt = 1.3, g = 0.3, dh = 0.8, Pt = 10.0, qs = 0.2;
    Tsubframe c;
    ASSERT_EQ(
        c.CalCantileverBeam(
            {.n = 0, .x0 = x0, .Lt = Lt, .s = 0, .dh = dh, .g = g, .f0 = 0, .A = 26.1, .I = 1130, .P = Pt, .q = qs}),
        SolveStatus::Solved);
    const double RA = (Pt * (x0 + g) + Pt * (x0 + g + dh) + qs * (x0 + Lt) * (x0 + Lt) / 2) / x0;
    const double RB = 2 * Pt + qs * (x0 + Lt) - RA;
    ASSERT_EQ(c.Reaction().size(), 3u); // free end, A, B
    EXPECT_NEAR(c.Reaction()[0], 0.0, 1e-9);
    expectRel(c.Reaction()[1], RA, 1e-9);
    expectRel(c.Reaction()[2], RB, 1e-9);
    EXPECT_LT(RB, 0.0);
    const double MA = Pt * g + Pt * (g + dh) + qs * Lt * Lt / 2;
    expectRel(at(c.BendingMoment(), Lt), MA, 1e-9);
    expectRel(c.MaxMoment(), MA, 1e-9);
    expectRel(c.MaxReaction(), RA, 1e-9);
}

TEST(FrameSolver, MemberLoadsOfEveryKind)
{
    // A simple span L = 2 m with one member load in the middle of member 1 (nodes 0, 1.5, 2; the load at c = 0.8):
    // a point load P (R1 = P(L - a)/L, M = R1·a at a = 0.8), and a clockwise moment M0 (reactions ∓M0/L). The
    // refined beam splits the loaded member; the deflection under a point load is P·a²b²/(3EIL).
    const double P = 6.0;
    const double a = 0.8;
    auto span = [](FrameModel::MemberLoad load) {
        FrameModel m = FrameModel::beam({0, 1.5, 2}, steelEA(kA), steelEI(kI));
        m.restraints.push_back({1, {0, 1, 0}});
        m.restraints.push_back({3, {1, 1, 0}});
        m.memberLoads.push_back(load);
        return m;
    };
    Tsubframe t;
    ASSERT_EQ(t.Solve(span({1, FrameModel::MemberLoadType::Point, a, -P})), SolveStatus::Solved);
    expectRel(t.Reaction()[0], P * 1.2 / 2, 1e-9);
    expectRel(t.Reaction()[1], P * 0.8 / 2, 1e-9);
    expectRel(at(t.BendingMoment(), 1.5), -(P * 0.8 / 2) * 0.5, 1e-9);
    expectRel(at(t.Deflection(), a), -1000 * P * a * a * 1.2 * 1.2 / (3 * kEI * 2), 1e-7);

    const double M0 = 3.0;
    ASSERT_EQ(t.Solve(span({1, FrameModel::MemberLoadType::Moment, a, M0})), SolveStatus::Solved);
    expectRel(std::abs(t.Reaction()[0]), M0 / 2, 1e-9);
    expectRel(t.Reaction()[0], -t.Reaction()[1], 1e-9);

    // An axial load bends nothing.
    ASSERT_EQ(t.Solve(span({1, FrameModel::MemberLoadType::Axial, a, 5.0})), SolveStatus::Solved);
    EXPECT_NEAR(t.MaxMoment(), 0.0, 1e-12);
    EXPECT_NEAR(t.MaxDeflection(), 0.0, 1e-12);
}

// Every entry operation on a few beams, including coincident points and offsets; the loads each carries.
struct EntryCase
{
    std::string name;
    std::function<SolveStatus(Tsubframe&)> run;
    double totalLoad; // kN, downward
    // Relative accuracy of the reactions: the 10⁻⁶ m and 10⁻⁵ m gaps between a rope point and a load cost
    // about 10⁻⁴ kN, since the gap's member is stiffer than the beam by some 10¹⁵.
    double accuracy = 1e-9;
};

std::vector<EntryCase> entryCases()
{
    return {
        {"multi-support",
         [](Tsubframe& t) {
             return t.CalMultiSupportBeam(
                 {.n = 2, .Lm = 600, .L = 1200, .loads = {0, 1.5, 2.5, 3.0, 1.0}, .A = kA, .I = kI});
         },
         1.5 + 2.5 + 3.0 + 1.0},
        {"multi-support, edges on the supports",
         [](Tsubframe& t) {
             return t.CalMultiSupportBeam({.n = 1, .Lm = 900, .L = 900, .loads = {0, 2, 3, 4}, .A = kA, .I = kI});
         },
         9.0},
        {"continuous",
         [](Tsubframe& t) { return t.CalContinuousBeam({.n = 3, .L = 3200, .q = 1.7, .P = 4.2, .A = kA, .I = kI}); },
         1.7 * 3.2 + 4.2},
        {"three-span",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 1.5, .spacing = 700, .A = kA, .I = kI, .P = 3.3}); },
         7 * 3.3},
        {"three-span, loads on the supports",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 0.9, .spacing = 300, .A = kA, .I = kI, .P = 1.1}); },
         10 * 1.1},
        {"cantilever with ropes",
         [](Tsubframe& t) {
             return t.CalCantileverBeam({.n = 2,
                                         .x0 = 1.5,
                                         .Lt = 1.4,
                                         .s = 0.6,
                                         .dh = 0.8,
                                         .g = 0.3,
                                         .f0 = 0.6,
                                         .A = 26.1,
                                         .I = 1130,
                                         .P = 10,
                                         .q = 0.25});
         },
         20 + 0.25 * 2.9},
        {"cantilever, rope under the outer tube",
         [](Tsubframe& t) {
             return t.CalCantileverBeam({.n = 1,
                                         .x0 = 1.5,
                                         .Lt = 1.3,
                                         .s = 1,
                                         .dh = 0.8,
                                         .g = 0.3,
                                         .f0 = 1.1,
                                         .A = 26.1,
                                         .I = 1130,
                                         .P = 10,
                                         .q = 0.2});
         },
         20 + 0.2 * 2.8, 1e-5},
        {"platform, pinned",
         [](Tsubframe& t) {
             return t.CalPlatformBeam({.m = 1,
                                       .end = 1,
                                       .Lt = 4.5,
                                       .s = 0,
                                       .x1 = 3.3,
                                       .f = 1.0,
                                       .e = 0.3,
                                       .A = 25.15,
                                       .I = 1272.7,
                                       .P = 5,
                                       .q = 0.3});
         },
         6 * 5 + 0.3 * 4.5, 1e-5},
        {"platform, fixed, two ropes",
         [](Tsubframe& t) {
             return t.CalPlatformBeam({.m = 2,
                                       .end = 2,
                                       .Lt = 4.0,
                                       .s = 1.5,
                                       .x1 = 1.0,
                                       .f = 0.8,
                                       .e = 0.3,
                                       .A = 25.15,
                                       .I = 1272.7,
                                       .P = 4,
                                       .q = 0.3});
         },
         6 * 4 + 0.3 * 4.0},
    };
}

TEST(FrameSolver, ReactionsBalanceTheLoads)
{
    for (const EntryCase& c : entryCases()) {
        SCOPED_TRACE(c.name);
        Tsubframe t;
        ASSERT_EQ(c.run(t), SolveStatus::Solved);
        expectRel(sum(t.Reaction()), c.totalLoad, c.accuracy);
        double largest = 0;
        for (double R : t.Reaction()) {
            largest = std::max(largest, std::abs(R));
        }
        EXPECT_EQ(t.MaxReaction(), largest);
    }
}

TEST(FrameSolver, SymmetricBeamsGiveSymmetricResults)
{
    // Equal loads placed symmetrically: equal end reactions, mirrored moments and deflections.
    Tsubframe t;
    ASSERT_EQ(t.CalContinuousBeam({.n = 1, .L = 3000, .q = 2.0, .P = 0, .A = kA, .I = kI}), SolveStatus::Solved);
    expectRel(t.Reaction()[0], t.Reaction()[2], 1e-12);
    expectRel(t.Reaction()[0], 3.0 / 16 * 2.0 * 3.0, 1e-9); // two spans of L/2: 3/8·q·(L/2)
    const Tarry_ShearingForce& d = t.Deflection();
    for (int k = 0; k <= 60; ++k) {
        EXPECT_NEAR(at(d, k * 0.05), at(d, 3.0 - k * 0.05), 1e-9 * t.MaxDeflection()) << "x = " << k * 0.05;
    }

    Tsubframe m;
    ASSERT_EQ(m.CalMultiSupportBeam({.n = 0, .Lm = 400, .L = 1000, .loads = {0, 3.0, 3.0}, .A = kA, .I = kI}),
              SolveStatus::Solved);
    // Two loads P at c = 0.3 m from each end: R = P each, a constant moment P·c between them.
    expectRel(m.Reaction()[0], 3.0, 1e-12);
    expectRel(m.Reaction()[1], 3.0, 1e-12);
    expectRel(at(m.BendingMoment(), 0.3), -0.9, 1e-9);
    expectRel(at(m.BendingMoment(), 0.7), -0.9, 1e-9);
}

uint64_t bits(double x)
{
    return std::bit_cast<uint64_t>(x);
}

void expectSameBits(const Tarry_ShearingForce& a, const Tarry_ShearingForce& b)
{
    ASSERT_EQ(a.size(), b.size());
    for (int i = 1; i <= a.size(); ++i) {
        EXPECT_EQ(bits(a[i].x), bits(b[i].x)) << "point " << i;
        EXPECT_EQ(bits(a[i].value), bits(b[i].value)) << "point " << i;
    }
}

TEST(FrameSolver, BandAndFullMatrixGiveIdenticalBits)
{
    // Elimination without pivoting never reaches outside the band, so holding the matrix as a band must not
    // change a single bit of any result.
    for (const EntryCase& c : entryCases()) {
        SCOPED_TRACE(c.name);
        Tsubframe band(Tsubframe::Storage::Band);
        Tsubframe full(Tsubframe::Storage::Full);
        ASSERT_EQ(c.run(band), SolveStatus::Solved);
        ASSERT_EQ(c.run(full), SolveStatus::Solved);
        expectSameBits(band.ShearingForce(), full.ShearingForce());
        expectSameBits(band.BendingMoment(), full.BendingMoment());
        expectSameBits(band.Deflection(), full.Deflection());
        ASSERT_EQ(band.Reaction().size(), full.Reaction().size());
        for (std::size_t j = 0; j < band.Reaction().size(); ++j) {
            EXPECT_EQ(bits(band.Reaction()[j]), bits(full.Reaction()[j])) << "reaction " << j;
        }
        EXPECT_EQ(bits(band.MaxMoment()), bits(full.MaxMoment()));
        EXPECT_EQ(bits(band.MaxDeflection()), bits(full.MaxDeflection()));
        EXPECT_EQ(bits(band.MaxReaction()), bits(full.MaxReaction()));
    }
}

TEST(FrameSolver, UnstableBeamsAreErrorsNotNumbers)
{
    struct Case
    {
        std::string name;
        std::function<SolveStatus(Tsubframe&)> run;
    };
    const Case cases[] = {
        // Pinned at the wall and nothing else: the beam turns about the pin.
        {"platform pinned without ropes",
         [](Tsubframe& t) {
             return t.CalPlatformBeam({.m = 0,
                                       .end = 1,
                                       .Lt = 2,
                                       .s = 0,
                                       .x1 = 0,
                                       .f = 1,
                                       .e = 0.3,
                                       .A = 25.15,
                                       .I = 1272.7,
                                       .P = 5,
                                       .q = 0.3});
         }},
        {"no bending stiffness",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 1.2, .spacing = 500, .A = kA, .I = 0, .P = 1}); }},
        {"no support along the axis",
         [](Tsubframe& t) {
             FrameModel m = FrameModel::beam({0, 1, 2}, steelEA(kA), steelEI(kI));
             m.restraints.push_back({1, {0, 1, 0}});
             m.restraints.push_back({3, {0, 1, 0}});
             m.jointLoads.push_back({2.2, -1});
             return t.Solve(m);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tsubframe t;
        // A solved beam first, so that stale results would show.
        ASSERT_EQ(t.CalThreeSpanBeam({.span = 1.2, .spacing = 500, .A = kA, .I = kI, .P = 1}), SolveStatus::Solved);
        EXPECT_EQ(c.run(t), SolveStatus::Unstable);
        EXPECT_FALSE(t.solved());
        EXPECT_THROW(t.ShearingForce(), std::logic_error);
        EXPECT_THROW(t.MaxMoment(), std::logic_error);
        EXPECT_THROW(t.Reaction(), std::logic_error);
    }

    // The elimination itself refuses a pivot that is not positive: a free-floating bar.
    BandMatrix k(2, 1);
    k.add(1, 1, 1.0);
    k.add(1, 2, -1.0);
    k.add(2, 2, 1.0);
    std::vector<double> p{0.0, 1.0, 0.0};
    EXPECT_EQ(k.solve(p), 2);
}

TEST(FrameSolver, ArgumentsThatDescribeNoBeamAreRejected)
{
    struct Case
    {
        std::string name;
        std::function<SolveStatus(Tsubframe&)> run;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {"three-span spacing 0",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 1.2, .spacing = 0, .A = kA, .I = kI, .P = 1}); }},
        {"three-span spacing given in m",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 1.2, .spacing = 0.1, .A = kA, .I = kI, .P = 1}); }},
        {"three-span span negative",
         [](Tsubframe& t) { return t.CalThreeSpanBeam({.span = -1, .spacing = 300, .A = kA, .I = kI, .P = 1}); }},
        {"three-span load not a number",
         [nan](Tsubframe& t) { return t.CalThreeSpanBeam({.span = 1.2, .spacing = 300, .A = kA, .I = kI, .P = nan}); }},
        {"multi-support wider than the beam",
         [](Tsubframe& t) {
             return t.CalMultiSupportBeam({.n = 1, .Lm = 1300, .L = 1200, .loads = {0, 1, 1, 1}, .A = kA, .I = kI});
         }},
        {"multi-support loads missing",
         [](Tsubframe& t) {
             return t.CalMultiSupportBeam({.n = 2, .Lm = 600, .L = 1200, .loads = {0, 1, 1}, .A = kA, .I = kI});
         }},
        {"continuous shorter than its load offset",
         [](Tsubframe& t) { return t.CalContinuousBeam({.n = 0, .L = 20, .q = 1, .P = 1, .A = kA, .I = kI}); }},
        {"cantilever rope beyond the free end",
         [](Tsubframe& t) {
             return t.CalCantileverBeam({.n = 2,
                                         .x0 = 1.5,
                                         .Lt = 1.3,
                                         .s = 1,
                                         .dh = 0.8,
                                         .g = 0.3,
                                         .f0 = 1.0,
                                         .A = 26.1,
                                         .I = 1130,
                                         .P = 10,
                                         .q = 0.2});
         }},
        {"cantilever tubes beyond the free end",
         [](Tsubframe& t) {
             return t.CalCantileverBeam({.n = 0,
                                         .x0 = 1.5,
                                         .Lt = 1.0,
                                         .s = 0,
                                         .dh = 0.8,
                                         .g = 0.3,
                                         .f0 = 0,
                                         .A = 26.1,
                                         .I = 1130,
                                         .P = 10,
                                         .q = 0.2});
         }},
        {"platform secondary spacing 0",
         [](Tsubframe& t) {
             return t.CalPlatformBeam({.m = 1,
                                       .end = 1,
                                       .Lt = 4,
                                       .s = 0,
                                       .x1 = 3,
                                       .f = 0,
                                       .e = 0.3,
                                       .A = 25.15,
                                       .I = 1272.7,
                                       .P = 5,
                                       .q = 0.3});
         }},
        {"platform rope beyond the beam",
         [](Tsubframe& t) {
             return t.CalPlatformBeam({.m = 1,
                                       .end = 1,
                                       .Lt = 4,
                                       .s = 0,
                                       .x1 = 4.5,
                                       .f = 1,
                                       .e = 0.3,
                                       .A = 25.15,
                                       .I = 1272.7,
                                       .P = 5,
                                       .q = 0.3});
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Tsubframe t;
        EXPECT_EQ(c.run(t), SolveStatus::InvalidLayout);
        EXPECT_THROW(t.Deflection(), std::logic_error);
    }
}

} // namespace
