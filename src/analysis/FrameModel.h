#pragma once

#include <array>
#include <vector>

// A plane frame as the solver analyses it: nodes, members between them, restraints and loads. Units are kN, m and
// kN·m; y points up, so downward loads are negative, and moments and rotations are positive clockwise. Every
// array is indexed from 1 (entry 0 is unused), so node, member and record numbers read as the engineer counts them.
struct FrameModel
{
    // Restraint code of one direction: 0 free, 1 fixed, k > 1 the same unknown as node k in that direction.
    static constexpr int Free = 0;
    static constexpr int Fixed = 1;

    struct Member
    {
        int start = 0;
        int end = 0;
        double EA = 0; // kN
        double EI = 0; // kN·m²
    };

    struct Restraint
    {
        int node = 0;
        std::array<int, 3> code{}; // x, y, rotation
    };

    // A force or moment on a node: `code` is node + direction / 10 (direction 1 x, 2 y, 3 rotation).
    struct JointLoad
    {
        double code = 0;
        double value = 0; // kN or kN·m
    };

    enum class MemberLoadType {
        Uniform = 1, // value kN/m from the member's start over the length c
        Point = 2,   // value kN at distance c
        Moment = 3,  // value kN·m at distance c
        Axial = 4,   // value kN along the member at distance c
    };

    struct MemberLoad
    {
        int member = 0;
        MemberLoadType type = MemberLoadType::Uniform;
        double c = 0; // m from the member's start
        double value = 0;
    };

    std::vector<double> X{0.0}; // m, node coordinates
    std::vector<double> Y{0.0};
    std::vector<Member> members{Member{}};
    std::vector<Restraint> restraints{Restraint{}};
    std::vector<JointLoad> jointLoads{JointLoad{}};
    std::vector<MemberLoad> memberLoads{MemberLoad{}};

    int nodeCount() const { return static_cast<int>(X.size()) - 1; }
    int memberCount() const { return static_cast<int>(members.size()) - 1; }
    int restraintCount() const { return static_cast<int>(restraints.size()) - 1; }

    // Appends a node and returns its number.
    int addNode(double x, double y = 0.0);

    // A horizontal beam through the given ascending coordinates: member e joins nodes e and e + 1, each with the
    // section's stiffnesses.
    static FrameModel beam(const std::vector<double>& x, double EA, double EI);
};

// Stiffnesses of a steel section (E = 2.06 × 10⁵ N/mm²) from its area in cm² and moment of inertia in cm⁴.
double steelEA(double areaCm2);    // kN
double steelEI(double inertiaCm4); // kN·m²
