#include "FrameModel.h"

namespace {

constexpr double kSteelE = 2.06e5; // N/mm²

} // namespace

int FrameModel::addNode(double x, double y)
{
    X.push_back(x);
    Y.push_back(y);
    return nodeCount();
}

FrameModel FrameModel::beam(const std::vector<double>& x, double EA, double EI)
{
    FrameModel m;
    for (double xi : x) {
        m.addNode(xi);
    }
    for (int e = 1; e < m.nodeCount(); ++e) {
        m.members.push_back(Member{e, e + 1, EA, EI});
    }
    return m;
}

double steelEA(double areaCm2)
{
    return areaCm2 * kSteelE * 0.1;
}

double steelEI(double inertiaCm4)
{
    return inertiaCm4 * kSteelE * 1e-5;
}
