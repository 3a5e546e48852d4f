#include "Sketches.h"

#include "ReportDocument.h"
#include "SketchCanvas.h"
#include "TCustomCurve.h"
#include "Tmycanvas.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Pictures stand eight blanks in, about where the caption lines under them start to centre.
constexpr int kPictureIndent = 2;
constexpr QSize kWide(600, 150);
constexpr QSize kLow(600, 120);
constexpr QSize kPlatform(500, 160);
constexpr QSize kPlatformScheme(500, 400);

// The diagrams put their axis across the middle of the image, for values of either sign.
constexpr int kDiagramOriginX = 50;
constexpr int kDiagramOriginY = 75;

Tmycanvas cantileverCanvas(const CantileverBeamLayout& beam)
{
    Tmycanvas c;
    c.HangLen = beam.LenHang;
    c.AnchorLen = beam.LenAnchor;
    c.InnerDis = beam.HPoleOuterLen;
    c.RowDis = beam.Lb;
    c.FirstDistance = beam.DisLeaveWall1;
    c.FSpacebetween = beam.HoldDis;
    c.BackstopNumber = beam.Holdcount;
    return c;
}

double tanDegrees(double degrees)
{
    return std::tan(degrees * std::numbers::pi / 180);
}

int truncated(double x)
{
    return static_cast<int>(std::trunc(x));
}

} // namespace

QImage renderSketch(const Sketch& sketch)
{
    QImage image(sketch.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PainterCanvas canvas(image);
        if (sketch.draw) {
            sketch.draw(canvas);
        }
    }
    return image;
}

void pasteSketch(ReportDocument& report, const Sketch& sketch)
{
    report.AddImage(renderSketch(sketch), kPictureIndent);
}

Sketch barSketch(int loadCount, bool threeSpan, double span, int originX, int originY)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.LoadCount = loadCount;
                c.SpanWidth = span;
                c.OriginX = originX;
                c.OriginY = originY;
                if (threeSpan) {
                    c.DrawBarSketch3(canvas);
                } else {
                    c.DrawBarSketch1(canvas);
                }
            }};
}

void PasteBarSketch(ReportDocument& report, int loadCount, bool threeSpan, double span, int originX, int originY)
{
    pasteSketch(report, barSketch(loadCount, threeSpan, span, originX, originY));
}

Sketch simpleBeamSketch(int loadCount, int originX, int originY, double span)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.SpanCount = loadCount;
                c.SpanWidth = span;
                c.OriginX = originX;
                c.OriginY = originY;
                c.DrawSimpleBeam(canvas);
            }};
}

void PasteSimpleBeamSketch(ReportDocument& report, int loadCount, int originX, int originY, double span)
{
    pasteSketch(report, simpleBeamSketch(loadCount, originX, originY, span));
}

void PasteSimpleBeamSketch(ReportDocument& report, int loadCount, double span)
{
    pasteSketch(report, simpleBeamSketch(loadCount, 50, 80, span));
}

Sketch threeSpanSketch(double span, double loadSpacing)
{
    return {kLow, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.SpanLen = span;
                c.LoadSpacing = loadSpacing;
                c.OriginX = 50;
                c.OriginY = 55;
                c.DrawThreeSpanSketch(canvas);
            }};
}

void PasteThreeSpanSketch(ReportDocument& report, double span, double loadSpacing)
{
    pasteSketch(report, threeSpanSketch(span, loadSpacing));
}

Sketch forceDiagram(const Tarry_ShearingForce& points, bool shear, double span)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.SpanLen = span;
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                if (shear) {
                    c.DrawShearDiagram(canvas, points, false, 120);
                } else {
                    c.DrawMomentDiagram(canvas, points, 120, false);
                }
            }};
}

void PasteForceDiagram(ReportDocument& report, const Tarry_ShearingForce& points, bool shear, double span)
{
    pasteSketch(report, forceDiagram(points, shear, span));
}

Sketch deflectionDiagram(const Tarry_ShearingForce& points, double span)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.SpanLen = span;
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawDeflectionDiagram(canvas, points, 120, false);
            }};
}

void PasteDeflectionDiagram(ReportDocument& report, const Tarry_ShearingForce& points, double span)
{
    pasteSketch(report, deflectionDiagram(points, span));
}

Sketch highGirderSketch(int count, double B, double q, double P)
{
    return {kLow, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.OriginX = 50;
                c.OriginY = 70;
                c.DrawHighGirderSketch(canvas, count, B, q, P);
            }};
}

void PasteHighGirderSketch(ReportDocument& report, int count, double B, double q, double P)
{
    pasteSketch(report, highGirderSketch(count, B, q, P));
}

Sketch highGirderLoadSketch(const std::vector<double>& loads, double la, double B)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.OriginX = 50;
                c.OriginY = 85;
                c.DrawHighGirderLoad(canvas, loads, la, B);
            }};
}

void PasteHighGirderLoadSketch(ReportDocument& report, const std::vector<double>& loads, double la, double B)
{
    pasteSketch(report, highGirderLoadSketch(loads, la, B));
}

Sketch highGirderDeflection(const Tarry_ShearingForce& points, int n, double la, double B)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawHighGirderDeflection(canvas, points, n, la, B);
            }};
}

void PasteHighGirderDeflection(ReportDocument& report, const Tarry_ShearingForce& points, int n, double la, double B)
{
    pasteSketch(report, highGirderDeflection(points, n, la, B));
}

Sketch highGirderMoment(const Tarry_ShearingForce& points, int n, double la, double B)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c;
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawHighGirderMoment(canvas, points, n, la, B);
            }};
}

void PasteHighGirderMoment(ReportDocument& report, const Tarry_ShearingForce& points, int n, double la, double B)
{
    pasteSketch(report, highGirderMoment(points, n, la, B));
}

Sketch cantileverSketch(const CantileverBeamLayout& beam)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c = cantileverCanvas(beam);
                c.OriginX = 50;
                c.OriginY = 75;
                c.DrawCantileverSketch(canvas);
            }};
}

void PasteCantileverSketch(ReportDocument& report, const CantileverBeamLayout& beam)
{
    pasteSketch(report, cantileverSketch(beam));
}

Sketch cantileverShear(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c = cantileverCanvas(beam);
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawShearDiagram(canvas, points, true);
            }};
}

void PasteCantileverShear(ReportDocument& report, const Tarry_ShearingForce& points, const CantileverBeamLayout& beam)
{
    pasteSketch(report, cantileverShear(points, beam));
}

Sketch cantileverMoment(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c = cantileverCanvas(beam);
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawMomentDiagram(canvas, points, 120, true);
            }};
}

void PasteCantileverMoment(ReportDocument& report, const Tarry_ShearingForce& points, const CantileverBeamLayout& beam)
{
    pasteSketch(report, cantileverMoment(points, beam));
}

Sketch cantileverDeflection(const Tarry_ShearingForce& points, const CantileverBeamLayout& beam)
{
    return {kWide, [=](SketchCanvas& canvas) {
                Tmycanvas c = cantileverCanvas(beam);
                c.OriginX = kDiagramOriginX;
                c.OriginY = kDiagramOriginY;
                c.DrawDeflectionDiagram(canvas, points, 120, true);
            }};
}

void PasteCantileverDeflection(ReportDocument& report, const Tarry_ShearingForce& points,
                               const CantileverBeamLayout& beam)
{
    pasteSketch(report, cantileverDeflection(points, beam));
}

Sketch cantileverScheme(const CantileverBeamLayout& beam, const CantileverBracing& bracing)
{
    const bool ropes = bracing.IsUpSteelWire;
    const bool struts = bracing.IsDownHoldPole;
    const bool ropesMeet = bracing.UpStyle == 1;
    const bool strutsMeet = bracing.DownStyle == 1;
    const double tanUp = tanDegrees(bracing.UpAngle);
    const double tanDown = tanDegrees(bracing.DownAngle);
    const double d1 = beam.DisLeaveWall1;

    // The image's nominal height and the beam's height in it, from the ropes and struts.
    int height = 150;
    int originY = 75;
    if (ropes && struts) {
        if (ropesMeet && strutsMeet) {
            height = truncated((bracing.UpDis + bracing.DownDis) * 77.5);
            originY = truncated(bracing.UpDis * 77.5);
        } else if (ropesMeet) {
            height = truncated(bracing.UpDis * 77.5 + tanDown * d1 * 162.5);
            originY = truncated(bracing.UpDis * 75) + 10;
        } else if (strutsMeet) {
            height = truncated(d1 * tanUp * 162.5 + bracing.DownDis * 77.5);
            originY = truncated(d1 * tanUp * 162.5) + 10;
        } else {
            height = truncated(d1 * (tanDown + tanUp) * 175);
            originY = truncated(d1 * tanUp * 175);
        }
    } else if (struts) {
        height = strutsMeet ? truncated(bracing.DownDis * 350 / 4) : truncated(d1 * tanDown * 450 / 4);
        originY = 20;
    } else if (ropes) {
        height = ropesMeet ? truncated(bracing.UpDis * 350 / 4) : truncated(d1 * tanUp * 450 / 4);
        originY = height - 20;
    }

    // The nominal size follows the innermost point only and ignores the frame on the beam; where the drawing
    // reaches further (outer ropes, a short beam drawn at a large scale, the frame over struts alone) the image
    // grows and the beam moves so that nothing is cut off.
    constexpr int kMargin = 2;
    constexpr int kWallSymbol = 9; // px the wall symbol reaches beyond its fixing
    constexpr int kText = 16;
    const double total = beam.LenHang + beam.LenAnchor;
    const double pxPerM = total > 0 ? 300 / total : 0;
    double above = std::max(0.8 * beam.Lb * pxPerM, 15.0 + 1);
    double below = 2.0 + kText;
    for (int k = 0; k < beam.Holdcount; ++k) {
        const double d = beam.DisLeaveWall1 + k * beam.HoldDis;
        if (ropes) {
            above = std::max(above, (ropesMeet ? bracing.UpDis : tanUp * d) * pxPerM + kWallSymbol);
        }
        if (struts) {
            below = std::max(below, (strutsMeet ? bracing.DownDis : tanDown * d) * pxPerM + kWallSymbol);
        }
    }
    const int needAbove = static_cast<int>(std::ceil(above)) + kMargin;
    const int needBelow = static_cast<int>(std::ceil(below)) + kMargin;
    height = std::max(height, needAbove + needBelow);
    originY = std::clamp(originY, needAbove, height - needBelow);

    Tmycanvas c = cantileverCanvas(beam);
    c.OriginX = 100;
    c.OriginY = originY;
    c.SteelUp = ropes;
    c.ParallelUp = bracing.UpStyle == 0;
    c.SharePointUp = ropesMeet;
    c.AngleUp = bracing.UpAngle;
    c.PivotDistanceUp = bracing.UpDis;
    c.backstop_down = struts;
    c.Paralleldown = bracing.DownStyle == 0;
    c.SharePointdown = strutsMeet;
    c.Angledown = bracing.DownAngle;
    c.PivotDistancedown = bracing.DownDis;
    return {QSize(600, height), [c](SketchCanvas& canvas) mutable { c.DrawCantileverScheme(canvas, 300); }};
}

void PasteCantileverScheme(ReportDocument& report, const CantileverBeamLayout& beam, const CantileverBracing& bracing)
{
    pasteSketch(report, cantileverScheme(beam, bracing));
}

Sketch platformScheme(double Lio, double Li, double Lanchor, double Lraise, double Lw)
{
    return {kPlatformScheme,
            [=](SketchCanvas& canvas) { TCustomCurve().DrawPlatformScheme(canvas, Lio, Li, Lanchor, Lraise, Lw); }};
}

void PastePlatformScheme(ReportDocument& report, double Lio, double Li, double Lanchor, double Lraise, double Lw)
{
    pasteSketch(report, platformScheme(Lio, Li, Lanchor, Lraise, Lw));
}

Sketch platformSketch(double Lio, double Li, double Lraise, double Lsecgirder, double Lsecgirder2, double q, double P)
{
    return {kPlatform, [=](SketchCanvas& canvas) {
                TCustomCurve().DrawPlatformSketch(canvas, Lio, Li, Lraise, Lsecgirder, Lsecgirder2, q, P);
            }};
}

void PastePlatformSketch(ReportDocument& report, double Lio, double Li, double Lraise, double Lsecgirder,
                         double Lsecgirder2, double q, double P)
{
    pasteSketch(report, platformSketch(Lio, Li, Lraise, Lsecgirder, Lsecgirder2, q, P));
}

Sketch platformShear(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise)
{
    return {kPlatform,
            [=](SketchCanvas& canvas) { TCustomCurve().DrawPlatformShear(canvas, points, Lio, Li, Lraise); }};
}

void PastePlatformShear(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li, double Lraise)
{
    pasteSketch(report, platformShear(points, Lio, Li, Lraise));
}

Sketch platformMoment(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise)
{
    return {kPlatform,
            [=](SketchCanvas& canvas) { TCustomCurve().DrawPlatformMoment(canvas, points, Lio, Li, Lraise); }};
}

void PastePlatformMoment(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li,
                         double Lraise)
{
    pasteSketch(report, platformMoment(points, Lio, Li, Lraise));
}

Sketch platformDeflection(const Tarry_ShearingForce& points, double Lio, double Li, double Lraise)
{
    return {kPlatform,
            [=](SketchCanvas& canvas) { TCustomCurve().DrawPlatformDeflection(canvas, points, Lio, Li, Lraise); }};
}

void PastePlatformDeflection(ReportDocument& report, const Tarry_ShearingForce& points, double Lio, double Li,
                             double Lraise)
{
    pasteSketch(report, platformDeflection(points, Lio, Li, Lraise));
}
