#pragma once

#include "analysis/Tarry_ShearingForce.h"

#include <QPoint>
#include <QString>
#include <vector>

class SketchCanvas;

// The drawings of a cantilevered unloading platform's main beam: its elevation, its calculation sketch with the
// loads, and the shear, moment and deformation diagrams of the solved beam. Lengths are in m (drawn to scale in
// mm); the beam runs from its free end on the left to the wall on the right. The report operations that paste
// them are in Sketches.h.
class TCustomCurve
{
public:
    // Where the sketch and the diagrams start: the free end of the beam, px.
    QPoint Origin{50, 80};

    // Elevation on a 500 × 400 image: the beam with its anchored part, the wall, the outer rope that carries the
    // beam and the inner rope kept in reserve, with their distances.
    void DrawPlatformScheme(SketchCanvas& canvas, double Lio, double Li, double Lanchor, double Lraise, double Lw);
    // Calculation sketch on a 500 × 160 image: the uniform load q (kN/m), the secondary beams' loads P (kN) where
    // the beam is calculated with them, the outer rope and wall supports, and the rope's distances.
    void DrawPlatformSketch(SketchCanvas& canvas, double Lio, double Li, double Lraise, double Lsecgirder,
                            double Lsecgirder2, double q, double P);
    // Diagrams of the solver's result curves (x from the free end) on a 500 × 160 image.
    void DrawPlatformShear(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                           double Lraise);
    void DrawPlatformMoment(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                            double Lraise);
    void DrawPlatformDeflection(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                                double Lraise);

    // Where the secondary beams load the main beam, m from the free end: every Lsecgirder from the free end, and
    // one at the wall when the part left there is longer than Lsecgirder2 (the beam's own layout).
    static std::vector<double> secondaryBeamPositions(double Lraise, double Lsecgirder, double Lsecgirder2);

    // The drawing primitives.
    static void DrawLine(SketchCanvas& canvas, QPoint p, QPoint q, int width = 1);
    // A triangle of size a with its apex a px above (x, y).
    static void DrawSupport(SketchCanvas& canvas, int x, int y, int a);
    static void DrawHinge(SketchCanvas& canvas, QPoint centre);
    static void DrawDownArrow(SketchCanvas& canvas, int x, int y, int length);
    // A dimension between two points of one height with its text centred above the line.
    static void DrawDimension(SketchCanvas& canvas, QPoint p, QPoint q, const QString& text);

private:
    enum class Kind { Shear, Moment, Deflection };
    void drawDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li, double Lraise,
                     Kind kind);
};
