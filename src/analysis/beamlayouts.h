#pragma once

#include "FrameModel.h"

#include <optional>
#include <vector>

// The five beams the calculations hand to the frame solver, with their arguments as the calculations know them.
// Loads are positive downward (the model stores them negated); lengths are in m unless marked mm; A in cm², I in
// cm⁴ of the steel section. Every layout orders its points by coordinate and keeps coincident load and support
// points apart by a small gap, so that no member has zero length.

// The transverse tube under a beam's formwork: supported at both ends and on n inner supports spread evenly over
// the middle length Lm, loaded at both edges of Lm and 0.03 m beyond each inner support.
struct MultiSupportBeam
{
    int n = 0;                 // inner supports
    double Lm = 0;             // mm, the middle length the inner supports divide into n + 1 equal parts
    double L = 0;              // mm, the beam's length
    std::vector<double> loads; // kN, entries 1..n + 2 (entry 0 unused): first edge, beyond each support, last edge
    double A = 0;
    double I = 0;
};

// n + 1 equal spans over L, the uniform load q on all of them, P just right of the middle (L/2 + 0.01 m).
struct ContinuousBeam
{
    int n = 0;    // inner supports
    double L = 0; // mm
    double q = 0; // kN/m
    double P = 0; // kN
    double A = 0;
    double I = 0;
};

// Three equal spans with point loads P every `spacing` from the start.
struct ThreeSpanBeam
{
    double span = 0;    // m
    double spacing = 0; // mm
    double A = 0;
    double I = 0;
    double P = 0; // kN
};

// The cantilevered steel beam of a cantilever scaffold, measured from its anchored end B: the wall support A at
// x0, the inner and outer standing tubes at x0 + g and x0 + g + dh (loads P), n rope or strut points from x0 + f0
// every s, the free end at x0 + Lt. The solved beam runs from the free end (x = 0) to the anchor.
struct CantileverBeam
{
    int n = 0;     // rope or strut points
    double x0 = 0; // m, anchored length (anchor B to wall A)
    double Lt = 0; // m, projecting length (wall to free end)
    double s = 0;  // m, spacing of the rope or strut points
    double dh = 0; // m, distance of the outer from the inner standing tube
    double g = 0;  // m, distance of the inner standing tube from the wall
    double f0 = 0; // m, distance of the first rope or strut point from the wall
    double A = 0;
    double I = 0;
    double P = 0; // kN, load of each standing tube
    double q = 0; // kN/m, self-weight
};

// The main beam of a cantilevered unloading platform, measured from the wall: m rope points from x1 every s,
// secondary beams every f back from the free end at Lt (loads P), the wall support pinned (end = 1) or fixed. The
// solved beam runs from the free end (x = 0) to the wall.
struct PlatformBeam
{
    int m = 0;     // rope points
    int end = 1;   // 1 pinned at the wall, otherwise fixed
    double Lt = 0; // m, the beam's length
    double s = 0;  // m, spacing of the rope points
    double x1 = 0; // m, distance of the first rope point from the wall
    double f = 0;  // m, spacing of the secondary beams
    double e = 0;  // m, shortest remainder at the wall that still gets a secondary beam of its own
    double A = 0;
    double I = 0;
    double P = 0; // kN, load of each secondary beam
    double q = 0; // kN/m, self-weight
};

// The models of the five beams; std::nullopt when the arguments describe no beam.
std::optional<FrameModel> buildMultiSupportBeam(const MultiSupportBeam& b);
std::optional<FrameModel> buildContinuousBeam(const ContinuousBeam& b);
std::optional<FrameModel> buildThreeSpanBeam(const ThreeSpanBeam& b);
std::optional<FrameModel> buildCantileverBeam(const CantileverBeam& b);
std::optional<FrameModel> buildPlatformBeam(const PlatformBeam& b);
