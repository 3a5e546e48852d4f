#include "Tsubframe.h"

#include "BandMatrix.h"
#include "FullMatrix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {

using Matrix6 = std::array<std::array<double, 6>, 6>;
using Vector6 = std::array<double, 6>;

// Members this short keep the direction of the one before and get no stiffness.
constexpr double kTinyLength = 1e-7;
// Step of the grid the deflection curve is computed on (m).
constexpr double kRefinementStep = 0.05;
// Members shorter than this show the shear of the preceding member end (the gaps that keep loads off supports).
constexpr double kShortMember = 0.01;

int nodeOf(double code)
{
    return static_cast<int>(std::nearbyint(code));
}
int directionOf(double code)
{
    return static_cast<int>(std::nearbyint((code - std::nearbyint(code)) * 10 + 1e-4));
}

Matrix6 localStiffness(double EA, double EI, double L)
{
    Matrix6 k{};
    if (L <= kTinyLength) {
        return k;
    }
    const double a = EA / L;
    const double b = 12 * EI / (L * L * L);
    const double c = 6 * EI / (L * L);
    const double d = 4 * EI / L;
    k[0][0] = k[3][3] = a;
    k[0][3] = k[3][0] = -a;
    k[1][1] = k[4][4] = b;
    k[1][4] = k[4][1] = -b;
    k[1][2] = k[2][1] = k[1][5] = k[5][1] = -c;
    k[2][4] = k[4][2] = k[4][5] = k[5][4] = c;
    k[2][2] = k[5][5] = d;
    k[2][5] = k[5][2] = d / 2;
    return k;
}

Matrix6 transformation(double cos, double sin)
{
    Matrix6 t{};
    for (int b = 0; b < 6; b += 3) {
        t[b][b] = cos;
        t[b][b + 1] = sin;
        t[b + 1][b] = -sin;
        t[b + 1][b + 1] = cos;
        t[b + 2][b + 2] = 1;
    }
    return t;
}

Matrix6 product(const Matrix6& a, const Matrix6& b)
{
    Matrix6 r{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            double s = 0;
            for (int l = 0; l < 6; ++l) {
                s += a[i][l] * b[l][j];
            }
            r[i][j] = s;
        }
    }
    return r;
}

Matrix6 transposed(const Matrix6& a)
{
    Matrix6 r{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            r[i][j] = a[j][i];
        }
    }
    return r;
}

Vector6 product(const Matrix6& a, const Vector6& v)
{
    Vector6 r{};
    for (int i = 0; i < 6; ++i) {
        double s = 0;
        for (int l = 0; l < 6; ++l) {
            s += a[i][l] * v[l];
        }
        r[i] = s;
    }
    return r;
}

// End forces of a fully fixed member of length L under one member load (local axes: F1 axial, F2 shear, F3
// moment at the start; F4, F5, F6 at the end).
Vector6 fixedEndForces(FrameModel::MemberLoadType type, double L, double c, double w)
{
    Vector6 f{};
    const double rho = L > kTinyLength ? c / L : 0.0;
    const double b = L - c;
    const double beta = L > kTinyLength ? b / L : 0.0;
    switch (type) {
    case FrameModel::MemberLoadType::Uniform: {
        const double t = w * c / 2;
        const double u = c * t / 6;
        f[1] = -t * (2 - 2 * rho * rho + rho * rho * rho);
        f[4] = -t * rho * rho * (2 - rho);
        f[2] = u * (6 - 8 * rho + 3 * rho * rho);
        f[5] = -u * rho * (4 - 3 * rho);
        break;
    }
    case FrameModel::MemberLoadType::Point:
        f[1] = -w * beta * beta * (1 + 2 * rho);
        f[4] = -w * rho * rho * (1 + 2 * beta);
        f[2] = w * c * beta * beta;
        f[5] = -w * b * rho * rho;
        break;
    case FrameModel::MemberLoadType::Moment:
        f[1] = L > kTinyLength ? -6 * w * rho * beta / L : 0.0;
        f[4] = -f[1];
        f[2] = w * beta * (2 - 3 * beta);
        f[5] = w * rho * (2 - 3 * rho);
        break;
    case FrameModel::MemberLoadType::Axial:
        f[0] = -w * beta;
        f[3] = -w * rho;
        break;
    }
    return f;
}

bool isFinite(double x)
{
    return std::isfinite(x);
}

// The checks every model passes before it is analysed: numbers in range, a beam along x.
bool isValidBeam(const FrameModel& m)
{
    const int nj = m.nodeCount();
    const int ne = m.memberCount();
    if (nj < 2 || ne != nj - 1 || m.Y.size() != m.X.size()) {
        return false;
    }
    for (int i = 1; i <= nj; ++i) {
        if (!isFinite(m.X[i]) || m.Y[i] != 0.0 || (i > 1 && m.X[i] < m.X[i - 1])) {
            return false;
        }
    }
    for (int e = 1; e <= ne; ++e) {
        const FrameModel::Member& mb = m.members[e];
        if (mb.start != e || mb.end != e + 1 || !isFinite(mb.EA) || !isFinite(mb.EI) || mb.EA < 0 || mb.EI < 0) {
            return false;
        }
    }
    for (int r = 1; r <= m.restraintCount(); ++r) {
        const FrameModel::Restraint& rs = m.restraints[r];
        if (rs.node < 1 || rs.node > nj) {
            return false;
        }
        for (int code : rs.code) {
            if (code < 0 || code > nj) {
                return false;
            }
        }
    }
    for (std::size_t j = 1; j < m.jointLoads.size(); ++j) {
        const FrameModel::JointLoad& jl = m.jointLoads[j];
        if (!isFinite(jl.code) || !isFinite(jl.value) || nodeOf(jl.code) < 1 || nodeOf(jl.code) > nj
            || directionOf(jl.code) < 1 || directionOf(jl.code) > 3) {
            return false;
        }
    }
    for (std::size_t j = 1; j < m.memberLoads.size(); ++j) {
        const FrameModel::MemberLoad& ml = m.memberLoads[j];
        const int t = static_cast<int>(ml.type);
        if (ml.member < 1 || ml.member > ne || t < 1 || t > 4 || !isFinite(ml.c) || !isFinite(ml.value) || ml.c < 0
            || ml.c > m.X[ml.member + 1] - m.X[ml.member] + 1e-9) {
            return false;
        }
    }
    return true;
}

// The unknown number of every node and direction (0 for a fixed direction) and their count.
struct Numbering
{
    std::vector<std::array<int, 3>> code; // the restraint code of each node and direction
    std::vector<std::array<int, 3>> unknown;
    int count = 0;
    bool coupled = false;
};

// Returns false for couplings that lead nowhere (a chain of couplings that closes on itself).
bool numberUnknowns(const FrameModel& m, Numbering& n)
{
    const int nj = m.nodeCount();
    n.code.assign(static_cast<std::size_t>(nj + 1), {0, 0, 0});
    n.unknown.assign(static_cast<std::size_t>(nj + 1), {0, 0, 0});
    n.count = 0;
    n.coupled = false;
    for (int r = 1; r <= m.restraintCount(); ++r) {
        n.code[m.restraints[r].node] = m.restraints[r].code;
    }
    for (int i = 1; i <= nj; ++i) {
        for (int d = 0; d < 3; ++d) {
            if (n.code[i][d] == FrameModel::Free) {
                n.unknown[i][d] = ++n.count;
            }
            n.coupled = n.coupled || n.code[i][d] > FrameModel::Fixed;
        }
    }
    for (int i = 1; i <= nj; ++i) {
        for (int d = 0; d < 3; ++d) {
            int target = i;
            for (int step = 0; n.code[target][d] > FrameModel::Fixed; ++step) {
                if (step > nj) {
                    return false;
                }
                target = n.code[target][d];
            }
            n.unknown[i][d] = n.unknown[target][d];
        }
    }
    return true;
}

// A straight beam stands when every piece of it that holds together is held along its axis and cannot turn or
// shift across it: fixed in x somewhere, and in y at two nodes or in y and rotation. Elimination alone cannot
// tell: the pivot of a mechanism comes out as rounding noise as often as zero.
bool beamIsHeld(const FrameModel& m, const Numbering& n)
{
    const int nj = m.nodeCount();
    int first = 1;
    while (first <= nj) {
        int last = first;
        while (last < nj) {
            const FrameModel::Member& mb = m.members[last];
            if (!(m.X[last + 1] - m.X[last] > kTinyLength && mb.EA > 0 && mb.EI > 0)) {
                break;
            }
            ++last;
        }
        bool x = false;
        bool rotation = false;
        int y = 0;
        for (int i = first; i <= last; ++i) {
            x = x || n.code[i][0] == FrameModel::Fixed;
            y += n.code[i][1] == FrameModel::Fixed ? 1 : 0;
            rotation = rotation || n.code[i][2] == FrameModel::Fixed;
        }
        if (!x || !(y >= 2 || (y == 1 && rotation))) {
            return false;
        }
        first = last + 1;
    }
    return true;
}

// One analysis of a model: geometry and stiffness of the members, the equations, the displacements.
class Analysis
{
public:
    explicit Analysis(const FrameModel& m)
        : m_m(m)
    { }

    // Numbers the unknowns, assembles and solves; false for an unstable model.
    bool run(Tsubframe::Storage storage)
    {
        if (!numberUnknowns(m_m, m_n) || (!m_n.coupled && !beamIsHeld(m_m, m_n))) {
            return false;
        }
        memberMatrices();
        std::vector<double> p = loadVector();
        const int failed = storage == Tsubframe::Storage::Band ? solve(BandMatrix(m_n.count, halfBandwidth()), p)
                                                               : solve(FullMatrix(m_n.count), p);
        if (failed != 0) {
            return false;
        }
        m_d = std::move(p);
        return true;
    }

    // The displacement of a node in a direction (0 x, 1 y, 2 rotation); 0 where it is fixed.
    double displacement(int node, int d) const
    {
        const int u = m_n.unknown[node][d];
        return u == 0 ? 0.0 : m_d[u];
    }

    // End forces of member e in its own axes: the stiffness times its end displacements plus the fixed-end
    // forces of its loads.
    Vector6 endForces(int e) const
    {
        const FrameModel::Member& mb = m_m.members[e];
        Vector6 d{};
        for (int k = 0; k < 3; ++k) {
            d[k] = displacement(mb.start, k);
            d[k + 3] = displacement(mb.end, k);
        }
        Vector6 f = product(m_k[e], product(m_t[e], d));
        for (std::size_t j : m_loadsOf[e]) {
            const FrameModel::MemberLoad& ml = m_m.memberLoads[j];
            const Vector6 fe = fixedEndForces(ml.type, m_length[e], ml.c, ml.value);
            for (int k = 0; k < 6; ++k) {
                f[k] += fe[k];
            }
        }
        return f;
    }

private:
    std::array<int, 6> memberUnknowns(int e) const
    {
        const FrameModel::Member& mb = m_m.members[e];
        return {m_n.unknown[mb.start][0], m_n.unknown[mb.start][1], m_n.unknown[mb.start][2],
                m_n.unknown[mb.end][0],   m_n.unknown[mb.end][1],   m_n.unknown[mb.end][2]};
    }

    void memberMatrices()
    {
        const int ne = m_m.memberCount();
        m_length.assign(static_cast<std::size_t>(ne + 1), 0.0);
        m_k.assign(static_cast<std::size_t>(ne + 1), Matrix6{});
        m_t.assign(static_cast<std::size_t>(ne + 1), Matrix6{});
        double cos = 1;
        double sin = 0;
        for (int e = 1; e <= ne; ++e) {
            const FrameModel::Member& mb = m_m.members[e];
            const double dx = m_m.X[mb.end] - m_m.X[mb.start];
            const double dy = m_m.Y[mb.end] - m_m.Y[mb.start];
            const double L = std::sqrt(dx * dx + dy * dy);
            if (L > kTinyLength) {
                cos = dx / L;
                sin = dy / L;
            }
            m_length[e] = L;
            m_k[e] = localStiffness(mb.EA, mb.EI, L);
            m_t[e] = transformation(cos, sin);
        }
        m_loadsOf.assign(static_cast<std::size_t>(ne + 1), {});
        for (std::size_t j = 1; j < m_m.memberLoads.size(); ++j) {
            m_loadsOf[m_m.memberLoads[j].member].push_back(j);
        }
    }

    int halfBandwidth() const
    {
        int hb = 0;
        for (int e = 1; e <= m_m.memberCount(); ++e) {
            int lo = m_n.count + 1;
            int hi = 0;
            for (int u : memberUnknowns(e)) {
                if (u != 0) {
                    lo = std::min(lo, u);
                    hi = std::max(hi, u);
                }
            }
            hb = std::max(hb, hi - lo);
        }
        return hb;
    }

    std::vector<double> loadVector() const
    {
        std::vector<double> p(static_cast<std::size_t>(m_n.count + 1), 0.0);
        for (std::size_t j = 1; j < m_m.jointLoads.size(); ++j) {
            const FrameModel::JointLoad& jl = m_m.jointLoads[j];
            const int u = m_n.unknown[nodeOf(jl.code)][directionOf(jl.code) - 1];
            if (u != 0) {
                // A zero load is stored as +0 so that no signed zero tells the band from the full elimination.
                p[u] = jl.value == 0.0 ? 0.0 : jl.value;
            }
        }
        for (std::size_t j = 1; j < m_m.memberLoads.size(); ++j) {
            const FrameModel::MemberLoad& ml = m_m.memberLoads[j];
            const Vector6 f = fixedEndForces(ml.type, m_length[ml.member], ml.c, ml.value);
            const Vector6 g = product(transposed(m_t[ml.member]), f);
            const std::array<int, 6> u = memberUnknowns(ml.member);
            for (int k = 0; k < 6; ++k) {
                if (u[k] != 0) {
                    p[u[k]] -= g[k];
                }
            }
        }
        return p;
    }

    template<class Matrix> int solve(Matrix&& K, std::vector<double>& p) const
    {
        for (int e = 1; e <= m_m.memberCount(); ++e) {
            const Matrix6 g = product(transposed(m_t[e]), product(m_k[e], m_t[e]));
            const std::array<int, 6> u = memberUnknowns(e);
            for (int a = 0; a < 6; ++a) {
                for (int b = 0; b < 6; ++b) {
                    if (u[a] != 0 && u[b] != 0 && u[a] <= u[b]) {
                        K.add(u[a], u[b], g[a][b]);
                    }
                }
            }
        }
        return K.solve(p);
    }

    const FrameModel& m_m;
    Numbering m_n;
    std::vector<double> m_length;
    std::vector<Matrix6> m_k;
    std::vector<Matrix6> m_t;
    std::vector<std::vector<std::size_t>> m_loadsOf; // the member loads on each member, in load order
    std::vector<double> m_d;
};

// The beam with nodes added on a 0.05 m grid, for the deflection curve: each member is split where grid points
// fall inside it, keeping its section, and its loads go with the pieces.
FrameModel refined(const FrameModel& m)
{
    const int nj = m.nodeCount();
    const double end = m.X[nj];
    FrameModel r;
    std::vector<int> renumbered(static_cast<std::size_t>(nj + 1), 0);
    std::vector<int> parent{0}; // the member each refined member lies in
    const long steps = end > 0 ? static_cast<long>(std::floor(end / kRefinementStep + 1e-9)) : 0;
    long g = 0;
    auto gridX = [&](long k) { return static_cast<double>(k) * kRefinementStep; };
    for (int i = 1; i <= nj; ++i) {
        const double x = m.X[i];
        // Grid points up to this node, those within kTinyLength of it or of the node before merged away; none
        // before the beam's start.
        for (; g <= steps && gridX(g) < x; ++g) {
            const double xg = gridX(g);
            if (i > 1 && x - xg >= kTinyLength && xg - r.X.back() >= kTinyLength) {
                r.addNode(xg);
                parent.push_back(i - 1);
            }
        }
        renumbered[i] = r.addNode(x);
        if (i > 1) {
            parent.push_back(i - 1);
        }
    }
    for (int e = 1; e < r.nodeCount(); ++e) {
        const FrameModel::Member& p = m.members[parent[e]];
        r.members.push_back(FrameModel::Member{e, e + 1, p.EA, p.EI});
    }
    for (int j = 1; j <= m.restraintCount(); ++j) {
        FrameModel::Restraint rs = m.restraints[j];
        rs.node = renumbered[rs.node];
        for (int& code : rs.code) {
            if (code > FrameModel::Fixed) {
                code = renumbered[code];
            }
        }
        r.restraints.push_back(rs);
    }
    for (std::size_t j = 1; j < m.jointLoads.size(); ++j) {
        const FrameModel::JointLoad& jl = m.jointLoads[j];
        r.jointLoads.push_back({renumbered[nodeOf(jl.code)] + directionOf(jl.code) / 10.0, jl.value});
    }
    for (std::size_t j = 1; j < m.memberLoads.size(); ++j) {
        const FrameModel::MemberLoad& ml = m.memberLoads[j];
        const int first = renumbered[ml.member];
        const int last = renumbered[ml.member + 1] - 1;
        const double start = m.X[ml.member];
        for (int e = first; e <= last; ++e) {
            const double o = r.X[e] - start;
            const double len = r.X[e + 1] - r.X[e];
            const bool lastPiece = e == last;
            if (ml.type == FrameModel::MemberLoadType::Uniform) {
                // Whole pieces while the load reaches beyond them, then the rest of it.
                if (r.X[e + 1] - start <= ml.c + 1e-9) {
                    r.memberLoads.push_back({e, ml.type, len, ml.value});
                } else if (o < ml.c) {
                    r.memberLoads.push_back({e, ml.type, ml.c - o, ml.value});
                }
            } else if (ml.c <= o + len || lastPiece) {
                r.memberLoads.push_back({e, ml.type, std::clamp(ml.c - o, 0.0, len), ml.value});
                break;
            }
        }
    }
    return r;
}

} // namespace

SolveStatus Tsubframe::CalMultiSupportBeam(const MultiSupportBeam& beam)
{
    return finish(buildMultiSupportBeam(beam));
}
SolveStatus Tsubframe::CalContinuousBeam(const ContinuousBeam& beam)
{
    return finish(buildContinuousBeam(beam));
}
SolveStatus Tsubframe::CalThreeSpanBeam(const ThreeSpanBeam& beam)
{
    return finish(buildThreeSpanBeam(beam));
}
SolveStatus Tsubframe::CalCantileverBeam(const CantileverBeam& beam)
{
    return finish(buildCantileverBeam(beam));
}
SolveStatus Tsubframe::CalPlatformBeam(const PlatformBeam& beam)
{
    return finish(buildPlatformBeam(beam));
}

SolveStatus Tsubframe::finish(std::optional<FrameModel> model)
{
    if (!model) {
        clearResults();
        m_model = FrameModel();
        m_refined = FrameModel();
        return m_status = SolveStatus::InvalidLayout;
    }
    return Solve(std::move(*model));
}

SolveStatus Tsubframe::Solve(FrameModel model)
{
    clearResults();
    m_model = std::move(model);
    m_refined = FrameModel();
    if (!isValidBeam(m_model)) {
        return m_status = SolveStatus::InvalidLayout;
    }
    const FrameModel& m = m_model;
    const int nj = m.nodeCount();
    const int ne = m.memberCount();

    // The beam as built gives the forces and the reactions.
    Analysis built(m);
    if (!built.run(m_storage)) {
        return m_status = SolveStatus::Unstable;
    }
    Tarry_ShearingForce shear(2 * ne);
    Tarry_ShearingForce moment(2 * ne);
    for (int e = 1; e <= ne; ++e) {
        const Vector6 f = built.endForces(e);
        shear[2 * e - 1] = {m.X[e], f[1]};
        shear[2 * e] = {m.X[e + 1], f[4]};
        moment[2 * e - 1] = {m.X[e], f[2]};
        moment[2 * e] = {m.X[e + 1], f[5]};
    }
    // Each member start shows the moment at the end of the member before, and end shears turn to the sign of a
    // section's left side, so both curves run on continuously.
    for (int e = 2; e <= ne; ++e) {
        moment[2 * e - 1].value = moment[2 * e - 2].value;
    }
    for (int j = 2; j <= 2 * ne; j += 2) {
        shear[j].value = -shear[j].value;
    }
    // A reaction is the jump of the shear at its node less the load applied there.
    std::vector<double> reaction;
    for (int j = 1; j <= m.restraintCount(); ++j) {
        const int a = m.restraints[j].node;
        double R = a == nj ? -shear[2 * a - 2].value
            : a == 1       ? shear[1].value
                           : shear[2 * a - 1].value - shear[2 * a - 2].value;
        for (std::size_t l = 1; l < m.jointLoads.size(); ++l) {
            if (nodeOf(m.jointLoads[l].code) == a && directionOf(m.jointLoads[l].code) == 2) {
                R -= m.jointLoads[l].value;
                break;
            }
        }
        reaction.push_back(R);
    }
    double maxMoment = 0;
    for (const ResultPoint& p : moment) {
        maxMoment = std::max(maxMoment, std::abs(p.value));
    }
    double maxReaction = 0;
    for (double R : reaction) {
        maxReaction = std::max(maxReaction, std::abs(R));
    }
    // A very short member (a gap that keeps a load off a support) shows the shear of the member end before it.
    for (int j = 2; j <= 2 * ne - 4; j += 2) {
        if (shear[j + 2].x - shear[j].x < kShortMember) {
            shear[j + 1].value = shear[j].value;
            shear[j + 2].value = shear[j].value;
        }
    }

    // The refined beam gives the deflection curve.
    m_refined = refined(m);
    Analysis fine(m_refined);
    if (!fine.run(m_storage)) {
        m_refined = FrameModel();
        return m_status = SolveStatus::Unstable;
    }
    Tarry_ShearingForce deflection(m_refined.nodeCount());
    double maxDeflection = 0;
    for (int i = 1; i <= m_refined.nodeCount(); ++i) {
        deflection[i] = {m_refined.X[i], 1000 * fine.displacement(i, 1)};
        maxDeflection = std::max(maxDeflection, std::abs(deflection[i].value));
    }

    m_shear = std::move(shear);
    m_moment = std::move(moment);
    m_deflection = std::move(deflection);
    m_reaction = std::move(reaction);
    m_maxMoment = maxMoment;
    m_maxDeflection = maxDeflection;
    m_maxReaction = maxReaction;
    return m_status = SolveStatus::Solved;
}

void Tsubframe::clearResults()
{
    m_status = SolveStatus::InvalidLayout;
    m_shear = {};
    m_moment = {};
    m_deflection = {};
    m_reaction.clear();
    m_maxMoment = m_maxDeflection = m_maxReaction = 0;
}

void Tsubframe::requireSolved() const
{
    if (m_status != SolveStatus::Solved) {
        throw std::logic_error("Tsubframe: results read from a beam that was not solved");
    }
}

const Tarry_ShearingForce& Tsubframe::ShearingForce() const
{
    requireSolved();
    return m_shear;
}

const Tarry_ShearingForce& Tsubframe::BendingMoment() const
{
    requireSolved();
    return m_moment;
}

const Tarry_ShearingForce& Tsubframe::Deflection() const
{
    requireSolved();
    return m_deflection;
}

const std::vector<double>& Tsubframe::Reaction() const
{
    requireSolved();
    return m_reaction;
}

double Tsubframe::MaxMoment() const
{
    requireSolved();
    return m_maxMoment;
}

double Tsubframe::MaxDeflection() const
{
    requireSolved();
    return m_maxDeflection;
}

double Tsubframe::MaxReaction() const
{
    requireSolved();
    return m_maxReaction;
}
