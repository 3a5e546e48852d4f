#include "beamlayouts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Layouts with more points than this are taken as mistyped arguments (a spacing in m where mm is meant, ...).
constexpr double kMaxPoints = 20000;
// A load closer to a support than this stands on it: it moves kOffSupport towards the start of the beam, so the
// support keeps its own node and the short gap carries the load into it; at the start it shares the support's node.
constexpr double kOnSupport = 1e-5;
constexpr double kOffSupport = 1e-4;
// Loads (and the free end) closer than this share one node, their loads added: a shorter member between two
// nodes free to move would be stiff enough to drown the beam's own stiffness in rounding.
constexpr double kSamePoint = 1e-3;
// No two nodes of a finished layout are closer than this.
constexpr double kMinGap = 1e-6;

bool isFinite(double x)
{
    return std::isfinite(x);
}
bool positive(double x)
{
    return isFinite(x) && x > 0;
}

// One point of a beam layout: a support, a load, or the free end.
struct Station
{
    double x = 0;
    bool support = false;
    std::array<int, 3> code{}; // the restraint of a support
    bool loaded = false;
    double load = 0;  // kN, downward
    bool end = false; // a free end, whose position wins when a load shares its node
};

Station support(double x, bool fixX = false)
{
    return {x, true, {fixX ? 1 : 0, 1, 0}, false, 0, false};
}
Station load(double x, double P)
{
    return {x, false, {}, true, P, false};
}
Station freeEnd(double x)
{
    return {x, false, {}, false, 0, true};
}

bool byX(const Station& a, const Station& b)
{
    return a.x < b.x;
}

// Orders the stations by coordinate and keeps loads and supports apart (see the constants above); a load within
// `onSupport` of a support counts as standing on it. False when two supports fall together.
bool separate(std::vector<Station>& st, double onSupport)
{
    std::stable_sort(st.begin(), st.end(), byX);
    if (st.empty()) {
        return false;
    }
    const double start = st.front().x;
    std::vector<Station> moved;
    for (Station& s : st) {
        if (s.support || !s.loaded) {
            moved.push_back(s);
            continue;
        }
        const auto on = std::find_if(st.begin(), st.end(),
                                     [&](const Station& t) { return t.support && std::abs(t.x - s.x) <= onSupport; });
        if (on == st.end()) {
            moved.push_back(s);
        } else if (on->x == start) {
            Station shared = s;
            shared.x = on->x;
            moved.push_back(shared);
        } else {
            Station before = s;
            before.x = on->x - kOffSupport;
            moved.push_back(before);
        }
    }
    std::stable_sort(moved.begin(), moved.end(), byX);
    st.clear();
    for (const Station& s : moved) {
        if (st.empty()) {
            st.push_back(s);
            continue;
        }
        Station& last = st.back();
        const double gap = s.x - last.x;
        if (last.support && s.support && gap < onSupport) {
            return false;
        }
        const bool shareWithSupport = (last.support != s.support) && gap == 0.0 && s.x == start;
        if ((!last.support && !s.support && gap < kSamePoint) || shareWithSupport) {
            if (s.support) {
                last.support = true;
                last.code = s.code;
                last.x = s.x;
            }
            if (s.end && !last.support) {
                last.x = s.x;
            }
            last.end = last.end || s.end;
            if (s.loaded) {
                last.load = last.loaded ? last.load + s.load : s.load;
                last.loaded = true;
            }
            continue;
        }
        st.push_back(s);
    }
    return true;
}

// The model of a beam through the given stations (strictly ascending): a support restraint record per support
// in order, preceded by one that restrains nothing at node 1 when `freeFirstRecord`; a joint load per loaded
// station; q (kN/m, downward) on every member when non-zero.
std::optional<FrameModel> toModel(const std::vector<Station>& st, bool freeFirstRecord, double A, double I, double q)
{
    if (st.size() < 2 || !isFinite(A) || !isFinite(I) || A < 0 || I < 0 || !isFinite(q)) {
        return std::nullopt;
    }
    std::vector<double> x;
    for (const Station& s : st) {
        if (!isFinite(s.x) || !isFinite(s.load) || (!x.empty() && s.x - x.back() < kMinGap)) {
            return std::nullopt;
        }
        x.push_back(s.x);
    }
    FrameModel m = FrameModel::beam(x, steelEA(A), steelEI(I));
    if (freeFirstRecord) {
        m.restraints.push_back({1, {0, 0, 0}});
    }
    for (std::size_t i = 0; i < st.size(); ++i) {
        const int node = static_cast<int>(i) + 1;
        if (st[i].support) {
            m.restraints.push_back({node, st[i].code});
        }
        if (st[i].loaded) {
            m.jointLoads.push_back({node + 0.2, -st[i].load});
        }
    }
    if (q != 0.0) {
        for (int e = 1; e <= m.memberCount(); ++e) {
            m.memberLoads.push_back({e, FrameModel::MemberLoadType::Uniform, m.X[e + 1] - m.X[e], -q});
        }
    }
    return m;
}

} // namespace

std::optional<FrameModel> buildMultiSupportBeam(const MultiSupportBeam& b)
{
    const double L = b.L / 1000;
    const double Lm = b.Lm / 1000;
    if (b.n < 0 || b.n > kMaxPoints || !positive(L) || !isFinite(Lm) || Lm < 0 || Lm > L
        || static_cast<int>(b.loads.size()) < b.n + 3) {
        return std::nullopt;
    }
    const double c = (L - Lm) / 2;
    const double s = Lm / (b.n + 1);
    std::vector<Station> st{support(0), load(c, b.loads[1])};
    for (int k = 1; k <= b.n; ++k) {
        st.push_back(support(c + k * s));
        st.push_back(load(c + k * s + 0.03, b.loads[static_cast<std::size_t>(k) + 1]));
    }
    st.push_back(load(L - c, b.loads[static_cast<std::size_t>(b.n) + 2]));
    st.push_back(support(L, true));
    for (const Station& p : st) {
        if (p.x > L + kOnSupport) {
            return std::nullopt; // a load beyond the beam's end
        }
    }
    if (!separate(st, kOnSupport)) {
        return std::nullopt;
    }
    return toModel(st, false, b.A, b.I, 0.0);
}

std::optional<FrameModel> buildContinuousBeam(const ContinuousBeam& b)
{
    const double L = b.L / 1000;
    if (b.n < 0 || b.n > kMaxPoints || !positive(L) || L / 2 + 0.01 >= L) {
        return std::nullopt;
    }
    std::vector<Station> st;
    for (int j = 0; j <= b.n + 1; ++j) {
        st.push_back(support(L * j / (b.n + 1), j == b.n + 1));
    }
    st.push_back(load(L / 2 + 0.01, b.P));
    if (!separate(st, kOnSupport)) {
        return std::nullopt;
    }
    return toModel(st, false, b.A, b.I, b.q);
}

std::optional<FrameModel> buildThreeSpanBeam(const ThreeSpanBeam& b)
{
    const double spacing = b.spacing / 1000;
    if (!positive(b.span) || !positive(spacing) || 3 * b.span / spacing > kMaxPoints) {
        return std::nullopt;
    }
    std::vector<Station> st;
    for (int k = 0; k <= 3; ++k) {
        st.push_back(support(k * b.span, k == 3));
    }
    const int g = static_cast<int>(std::floor(3 * b.span / spacing + 1e-7));
    for (int k = 0; k <= g; ++k) {
        st.push_back(load(k * spacing, b.P));
    }
    if (!separate(st, kOnSupport)) {
        return std::nullopt;
    }
    return toModel(st, false, b.A, b.I, 0.0);
}

std::optional<FrameModel> buildCantileverBeam(const CantileverBeam& b)
{
    if (b.n < 0 || b.n > kMaxPoints || !positive(b.x0) || !positive(b.Lt) || !isFinite(b.g) || b.g < 0
        || !isFinite(b.dh) || b.dh < 0 || b.g + b.dh > b.Lt || !isFinite(b.f0) || !isFinite(b.s)
        || (b.n > 0 && (b.f0 <= 0 || b.f0 + b.s * (b.n - 1) >= b.Lt || (b.n > 1 && b.s <= 0)))) {
        return std::nullopt;
    }
    // Laid out from the anchored end B, then turned round so that the beam runs from its free end.
    const double outer = b.x0 + b.g + b.dh;
    std::vector<Station> st{support(0, true), support(b.x0), load(b.x0 + b.g, b.P)};
    for (int k = 1; k <= b.n; ++k) {
        double x = b.x0 + b.f0 + b.s * (k - 1);
        if (std::abs(x - outer) <= 1e-7) {
            x += 1e-6; // the point stays just inside the outer tube, whose load keeps its place
        }
        st.push_back(support(x));
    }
    st.push_back(load(outer, b.P));
    st.push_back(freeEnd(b.x0 + b.Lt));
    const double length = b.x0 + b.Lt;
    for (Station& p : st) {
        p.x = length - p.x;
    }
    if (!separate(st, 1e-7)) {
        return std::nullopt;
    }
    return toModel(st, true, b.A, b.I, b.q);
}

std::optional<FrameModel> buildPlatformBeam(const PlatformBeam& b)
{
    if (b.m < 0 || b.m > kMaxPoints || !positive(b.Lt) || !positive(b.f) || !isFinite(b.e) || b.Lt / b.f > kMaxPoints
        || !isFinite(b.x1) || !isFinite(b.s) || (b.m > 0 && (b.x1 < 0 || b.x1 + b.s * (b.m - 1) > b.Lt))
        || (b.m > 1 && b.s <= 0)) {
        return std::nullopt;
    }
    // Secondary beams every f back from the free end; the remainder r·f left at the wall gets a beam of its own
    // at the wall when it is longer than e.
    const double w = std::nearbyint(b.Lt / b.f * 1000);
    const double whole = std::floor(w / 1000);
    const double r = (w - whole * 1000) / 1000;
    std::vector<double> secondary;
    if (r * b.f <= b.e) {
        const int ns = static_cast<int>(whole) + 1;
        for (int k = 1; k <= ns; ++k) {
            secondary.push_back(b.Lt - (ns - k) * b.f);
        }
    } else {
        const int ns = static_cast<int>(whole) + 2;
        secondary.push_back(0.0);
        for (int k = 2; k <= ns; ++k) {
            secondary.push_back(b.Lt - (ns - k) * b.f);
        }
    }
    // Node 1 at the wall, then the secondary beams and the rope points merged in order (a secondary beam first
    // when it is not beyond the rope point).
    std::vector<Station> st{support(0, true)};
    st.back().code[2] = b.end == 1 ? 0 : 1;
    std::size_t i = 0;
    int k = 0;
    while (i < secondary.size() || k < b.m) {
        const double rope = b.x1 + b.s * k;
        if (k >= b.m || (i < secondary.size() && secondary[i] <= rope)) {
            st.push_back(load(std::max(secondary[i++], 0.0), b.P));
        } else {
            st.push_back(support(rope));
            ++k;
        }
    }
    // Turned round so that the beam runs from its free end to the wall.
    std::reverse(st.begin(), st.end());
    for (Station& p : st) {
        p.x = b.Lt - p.x;
    }
    st.front().x = 0.0;
    // Nodes that fall together are parted by 10⁻⁵ m, the first moved back; the free end keeps its place and the
    // node after it moves on instead.
    const int nj = static_cast<int>(st.size());
    for (int j = nj - 2; j >= 1; --j) {
        if (st[j + 1].x - st[j].x < kMinGap) {
            st[j].x = st[j + 1].x - 1e-5;
        }
    }
    if (nj >= 2 && st[1].x - st[0].x < kMinGap) {
        st[1].x = st[0].x + 1e-5;
    }
    return toModel(st, true, b.A, b.I, b.q);
}
