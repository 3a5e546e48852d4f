#pragma once

#include "analysis/Tarry_ShearingForce.h"

#include <QPoint>
#include <vector>

class SketchCanvas;

// The computed sketches of the calculation books: load sketches of beams, the elevation of a cantilever scaffold
// with its ropes and struts, and the shear, moment and deformation diagrams of solved beams. It holds the drawing
// parameters and draws each kind of sketch on a canvas with plain lines and short texts; the sketch-to-report
// operations (Sketches.h) set the parameters, size the image and paste it.
class Tmycanvas
{
public:
    // Ropes and struts of a cantilever beam (m, degrees).
    double FirstDistance = 0; // innermost rope/strut point from the wall
    double FSpacebetween = 0; // spacing of the rope/strut points
    int BackstopNumber = 0;   // number of rope/strut points
    bool SteelUp = false;     // ropes are drawn
    bool ParallelUp = false;  // ropes are parallel at AngleUp to the beam
    double AngleUp = 0;
    bool SharePointUp = false; // ropes meet at one wall point PivotDistanceUp above the beam
    double PivotDistanceUp = 0;
    bool backstop_down = false; // struts are drawn
    bool Paralleldown = false;  // struts are parallel at Angledown to the beam
    double Angledown = 0;
    bool SharePointdown = false; // struts meet at one wall point PivotDistancedown below the beam
    double PivotDistancedown = 0;
    double RHeight = 0; // px, height of the drawn scaffold frame (set while drawing)
    double Rwidth = 0;  // px, width of the drawn scaffold frame (set while drawing)

    int ArrowLen = 25;    // px, length of a load arrow and spacing of the parallel lines of a load sketch
    double Scale = 1;     // px per model unit, set by each drawing operation
    int OriginX = 50;     // px, left end of the beam line
    int OriginY = 60;     // px, height of the beam line
    double HangLen = 0;   // m, projecting length of a cantilever beam (free end to wall)
    double AnchorLen = 0; // m, anchored length (wall to anchor)
    double InnerDis = 0;  // m, inner standing tube from the wall
    double RowDis = 0;    // m, spacing of the tube rows
    int WallX = 0;        // px, wall support (set while drawing)
    int WallY = 0;
    double SpanLen = 0;     // m, span of a three-span supporting tube
    double LoadSpacing = 0; // m, spacing of its point loads
    int LoadCount = 0;      // point loads per span of the bar sketches
    int SpanCount = 0;      // spans of the simple-beam sketch
    double SpanWidth = 0;   // m, span of the bar and simple-beam sketches

    // Model length to pixels: m given in hundredths (cm) or thousandths (mm) times Scale.
    double ToPx100(double x) const { return x * 100 * Scale; }
    double ToPx1000(double x) const { return x * 1000 * Scale; }

    // The drawing primitives.
    void DrawLine(SketchCanvas& canvas, double x1, double y1, double x2, double y2) const;
    // A support under a beam: a triangle with its apex on the beam.
    void DrawSupport(SketchCanvas& canvas, QPoint p) const;
    // A load arrow from p down to its tip `length` px lower (ArrowLen when 0).
    void DrawLoadArrow(SketchCanvas& canvas, QPoint p, int length = 0) const;
    void DrawTick(SketchCanvas& canvas, QPoint p) const;
    // The wall at a fixing point: a vertical stroke with hatching on the building side (to the right).
    void DrawWall(SketchCanvas& canvas, QPoint p) const;

    // Load sketch of a cantilever beam: uniform load, the two tube loads P, supports at the anchor, the wall and
    // each rope/strut point, dimensions in mm. Beam over 360 px.
    void DrawCantileverSketch(SketchCanvas& canvas);
    // Elevation of a cantilever scaffold with its ropes and struts, the beam over `width` px.
    void DrawCantileverScheme(SketchCanvas& canvas, double width);
    // The same scheme for the rope and strut dialog: the beam over `pxPerUnit` px.
    void DrawSchemePreview(SketchCanvas& canvas, double pxPerUnit) { DrawCantileverScheme(canvas, pxPerUnit); }

    // Result diagrams of solved beams. Cantilever mode draws the cantilever beam (HangLen + AnchorLen over 360
    // px, supports at the anchor, the wall and the rope/strut points); span mode three spans of SpanLen, each
    // `width` px. The largest value stands 40 px from the axis; a curve whose values all round to 0.000 is drawn
    // on it. The extremes are labelled first, and a label that would cover another is left out.
    void DrawShearDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, bool cantilever, double width = 120);
    void DrawMomentDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double width, bool cantilever);
    void DrawDeflectionDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double width, bool cantilever);

    // Link beam between two main beams: SpanCount spans over 360 px, loads P at every span end.
    void DrawSimpleBeam(SketchCanvas& canvas);
    // Longitudinal bar over three spans (300 px) carrying LoadCount transverse bars per span and its own weight.
    void DrawBarSketch3(SketchCanvas& canvas);
    // Transverse bar as a simple beam of one span (300 px) carrying LoadCount loads.
    void DrawBarSketch1(SketchCanvas& canvas);
    // Supporting tube over three spans of SpanLen (120 px each) with point loads every LoadSpacing.
    void DrawThreeSpanSketch(SketchCanvas& canvas);

    // Beam bottom strip of a beam high support: count + 1 equal spans over a (m, 360 px), the uniform load b
    // (kN/m) and the point load c (kN) just right of the middle.
    void DrawHighGirderSketch(SketchCanvas& canvas, int count, double a, double b, double c);
    // The transverse tube under a beam (la m over 360 px) with the member forces loads[1..n + 2] (kN; entry 0
    // unused): the first at the beam edge (la - B)/2, one 0.03 m beyond each inner support, the last at the other
    // edge; supported at both ends and on n inner supports spread evenly over B.
    void DrawHighGirderLoad(SketchCanvas& canvas, const std::vector<double>& loads, double la, double B);
    void DrawHighGirderDeflection(SketchCanvas& canvas, const Tarry_ShearingForce& points, int n, double la, double B);
    void DrawHighGirderMoment(SketchCanvas& canvas, const Tarry_ShearingForce& points, int n, double la, double B);

private:
    enum class Labels { MemberEnds, Centred, Extremes };
    struct Frame
    {
        int x0 = 0;
        int y0 = 0;
        int length = 0;            // px of the axis
        double xFactor = 0;        // px per m along the beam
        std::vector<int> supports; // px
    };
    void drawDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, const Frame& frame, Labels labels);
    Frame cantileverFrame(const Tarry_ShearingForce& points);
    Frame spanFrame(const Tarry_ShearingForce& points, double width);
    Frame highGirderFrame(int n, double la, double B);
    std::vector<double> ropePoints() const; // m from the wall, innermost first
    void drawUniformLoad(SketchCanvas& canvas, int x1, int x2, int y) const;
    void drawPointLoad(SketchCanvas& canvas, int x, int y, const QString& label) const;
};
