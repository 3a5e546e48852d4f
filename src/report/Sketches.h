#pragma once

#include "analysis/Tarry_ShearingForce.h"

#include <QSize>
#include <functional>
#include <vector>

class QImage;
class ReportDocument;
class SketchCanvas;

// The sketch-to-report operations: each draws one computed sketch or diagram on a white image of its own size and
// appends it to the end of the report as a picture line; the calling calculation writes the caption line after
// it. Every operation has a companion returning the sketch undrawn (its image size and how it is drawn), which
// the tests record and the review gallery renders.

// A sketch ready to be drawn on any canvas of its size.
struct Sketch
{
    QSize size;
    std::function<void(SketchCanvas&)> draw;
};

// The sketch painted on a white image of its size.
QImage renderSketch(const Sketch& sketch);
// Appends the rendered sketch to the report as one picture line.
void pasteSketch(ReportDocument& report, const Sketch& sketch);

// The cantilevered steel beam of a cantilever scaffold (m): the fields of its rope/strut and beam components.
struct CantileverBeamLayout
{
    int Holdcount = 0;        // rope or strut points
    double HoldDis = 0;       // their spacing
    double DisLeaveWall1 = 0; // the innermost point from the wall
    double Lb = 0;            // spacing of the two tube rows
    double HPoleOuterLen = 0; // inner tube row from the wall
    double LenAnchor = 0;     // anchored length inside the building
    double LenHang = 0;       // projecting length outside the building
};

// Ropes above and struts below the cantilever beam: parallel at an angle to the beam (style 0), or meeting at one
// point on the wall at a distance above or below the beam (style 1).
struct CantileverBracing
{
    bool IsUpSteelWire = false;
    int UpStyle = 0;
    double UpAngle = 0; // degrees
    double UpDis = 0;   // m
    bool IsDownHoldPole = false;
    int DownStyle = 0;
    double DownAngle = 0; // degrees
    double DownDis = 0;   // m
};

// Fastener scaffold: the longitudinal bar over three spans (threeSpan) or the transverse bar over one span, with
// loadCount loads per span; the span only sets the scale. 600 × 150.
Sketch barSketch(int loadCount, bool threeSpan, double span, int originX, int originY);
void PasteBarSketch(ReportDocument& report, int loadCount, bool threeSpan, double span, int originX, int originY);

// Simply supported beam of loadCount equal spans with loads P at every span end (a link beam, a tube under
// battens). 600 × 150; the short form draws from (50, 80).
Sketch simpleBeamSketch(int loadCount, int originX, int originY, double span);
void PasteSimpleBeamSketch(ReportDocument& report, int loadCount, int originX, int originY, double span);
void PasteSimpleBeamSketch(ReportDocument& report, int loadCount, double span);

// Supporting tube over three spans (m) with point loads every loadSpacing (m) from its start. 600 × 120.
Sketch threeSpanSketch(double span, double loadSpacing);
void PasteThreeSpanSketch(ReportDocument& report, double span, double loadSpacing);
// Moment (shear false) or shear diagram of that tube from the solver's curve. 600 × 150.
Sketch forceDiagram(const Tarry_ShearingForce& points, bool shear, double span);
void PasteForceDiagram(ReportDocument& report, const Tarry_ShearingForce& points, bool shear, double span);
Sketch deflectionDiagram(const Tarry_ShearingForce& points, double span);
void PasteDeflectionDiagram(ReportDocument& report, const Tarry_ShearingForce& points, double span);

// Beam high support: the beam bottom strip over count + 1 spans of total width B (m) under q (kN/m) and P (kN).
// 600 × 120.
Sketch highGirderSketch(int count, double B, double q, double P);
void PasteHighGirderSketch(ReportDocument& report, int count, double B, double q, double P);
// The transverse tube under the beam, la (m) long with n inner supports over the beam width B (m): its loads
// (kN, entries 1..n + 2 as the solver takes them), deformation and moment. 600 × 150 each.
Sketch highGirderLoadSketch(const std::vector<double>& loads, double la, double B);
void PasteHighGirderLoadSketch(ReportDocument& report, const std::vector<double>& loads, double la, double B);
Sketch highGirderDeflection(const Tarry_ShearingForce& points, int n, double la, double B);
void PasteHighGirderDeflection(ReportDocument& report, const Tarry_ShearingForce& points, int n, double la, double B);
Sketch highGirderMoment(const Tarry_ShearingForce& points, int n, double la, double B);
void PasteHighGirderMoment(ReportDocument& report, const Tarry_ShearingForce& points, int n, double la, double B);

// Cantilever scaffold: the calculation sketch of the beam, and its shear, moment and deformation diagrams from the
// solver's curves (x from the free end). 600 × 150 each.
Sketch cantileverSketch(const CantileverBeamLayout& beam);
void PasteCantileverSketch(ReportDocument& report, const CantileverBeamLayout& beam);
Sketch cantileverShear(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam);
void PasteCantileverShear(ReportDocument& report, const Tarry_ShearingForce& points, const CantileverBeamLayout& beam);
Sketch cantileverMoment(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam);
void PasteCantileverMoment(ReportDocument& report, const Tarry_ShearingForce& points, const CantileverBeamLayout& beam);
Sketch cantileverDeflection(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam);
void PasteCantileverDeflection(ReportDocument& report, const Tarry_ShearingForce& points,
                               const CantileverBeamLayout& beam);
// Elevation of the cantilever scaffold with its ropes and struts, the beam over 300 px of a 600 px wide image
// whose height follows the ropes and struts (and grows when the drawing needs more room).
Sketch cantileverScheme(const CantileverBeamLayout& beam, const CantileverBracing& bracing);
void PasteCantileverScheme(ReportDocument& report, const CantileverBeamLayout& beam, const CantileverBracing& bracing);

// Cantilevered unloading platform (m, kN/m, kN): the elevation (500 × 400), the main beam's calculation sketch
// and its shear, moment and deformation diagrams (500 × 160 each, curves with x from the free end).
Sketch platformScheme(double Lio, double Li, double Lanchor, double Lraise, double Lw);
void PastePlatformScheme(ReportDocument& report, double Lio, double Li, double Lanchor, double Lraise, double Lw);
Sketch platformSketch(double Lio, double Li, double Lraise, double Lsecgirder, double Lsecgirder2, double q, double P);
void PastePlatformSketch(ReportDocument& report, double Lio, double Li, double Lraise, double Lsecgirder,
                         double Lsecgirder2, double q, double P);
Sketch platformShear(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise);
void PastePlatformShear(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li,
                        double Lraise);
Sketch platformMoment(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise);
void PastePlatformMoment(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li,
                         double Lraise);
Sketch platformDeflection(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise);
void PastePlatformDeflection(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li,
                             double Lraise);
