#include "TCustomCurve.h"

#include "SketchCanvas.h"
#include "core/NumberText.h"
#include "sketchparts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBeamPx = 350;          // the projecting length of the beam on every drawing
constexpr int kDiagramAmplitude = 35; // px of the largest value of a diagram
constexpr double kFlatBelow = 0.0005; // a curve whose values all round to 0.000 is drawn on the axis
constexpr double kLevel = 1e-6;       // consecutive values closer than this form a level run
constexpr double kMinorShare = 0.01;  // values under this share of the largest get no label

QString mmText(double metres)
{
    return realToText(std::round(1000 * metres * 1e6) / 1e6);
}

} // namespace

void TCustomCurve::DrawLine(SketchCanvas& canvas, QPoint p, QPoint q, int width)
{
    canvas.setPenWidth(width <= 0 ? 1 : width);
    canvas.line(p, q);
    canvas.setPenWidth(1);
}

void TCustomCurve::DrawSupport(SketchCanvas& canvas, int x, int y, int a)
{
    canvas.polygon({{x, y - a}, {x - a, y + a}, {x + a, y + a}});
}

void TCustomCurve::DrawHinge(SketchCanvas& canvas, QPoint centre)
{
    canvas.setBrush(QColor(Qt::white));
    canvas.circle(centre, 3);
    canvas.setBrush(std::nullopt);
}

void TCustomCurve::DrawDownArrow(SketchCanvas& canvas, int x, int y, int length)
{
    const QPoint tip(x, y + length);
    canvas.line({x, y}, tip);
    canvas.line({x - 3, tip.y() - 5}, tip);
    canvas.line({x + 3, tip.y() - 5}, tip);
}

void TCustomCurve::DrawDimension(SketchCanvas& canvas, QPoint p, QPoint q, const QString& text)
{
    canvas.line(p, q);
    canvas.line({p.x(), p.y() - 5}, {p.x(), p.y() + 5});
    canvas.line({q.x(), q.y() - 5}, {q.x(), q.y() + 5});
    const QSize size = canvas.textSize(text);
    canvas.text({px((p.x() + q.x()) / 2.0 - size.width() / 2.0), p.y() - size.height()}, text);
}

std::vector<double> TCustomCurve::secondaryBeamPositions(double Lraise, double Lsecgirder, double Lsecgirder2)
{
    std::vector<double> out;
    if (!(Lraise > 0) || !(Lsecgirder > 0) || Lraise / Lsecgirder > 1000) {
        return out;
    }
    // The spacing is counted in thousandths, so a length that is a whole number of spacings up to rounding ends
    // with a beam at the wall and no remainder.
    const double w = std::nearbyint(Lraise / Lsecgirder * 1000);
    const double whole = std::floor(w / 1000);
    const double r = (w - whole * 1000) / 1000;
    for (int k = 0; k <= static_cast<int>(whole); ++k) {
        out.push_back(std::min(k * Lsecgirder, Lraise));
    }
    if (r * Lsecgirder > Lsecgirder2) {
        out.push_back(Lraise);
    }
    return out;
}

void TCustomCurve::DrawPlatformScheme(SketchCanvas& canvas, double Lio, double Li, double Lanchor, double Lraise,
                                      double Lw)
{
    if (!(Lraise > 0) || !(Lw > 0)) {
        return;
    }
    const double sx = 350 / (1000 * Lraise);
    const double sy = 300 / (1000 * Lw);
    const int x0 = 50;
    const int y0 = 350;
    const int xEnd = x0 + px(1000 * (Lraise + Lanchor) * sx);
    canvas.setBrush(QColor(Qt::black));
    canvas.rectangle({x0, y0}, {xEnd, y0 + 3});
    canvas.setBrush(std::nullopt);

    // The wall with its hatching on the building side.
    const int xw = x0 + px(1000 * Lraise * sx);
    const int yTop = px(y0 - 1000 * Lw * sy - 20);
    DrawLine(canvas, {xw, y0 + 20}, {xw, yTop}, 2);
    for (int y = yTop + 8; y < y0 + 20; y += 12) {
        canvas.line({xw, y + 6}, {xw + 6, y});
    }

    // The outer rope carries the beam; the inner one is a reserve and is dashed.
    const QPoint anchor(xw, px(y0 - 1000 * Lw * sy));
    const QPoint outer(x0 + px(1000 * (Lraise - Li - Lio) * sx), y0);
    const QPoint inner(x0 + px(1000 * (Lraise - Li) * sx), y0);
    canvas.setPenDashed(true);
    canvas.line(inner, anchor);
    canvas.setPenDashed(false);
    canvas.line(outer, anchor);
    DrawHinge(canvas, outer);
    DrawHinge(canvas, inner);
    DrawHinge(canvas, anchor);

    // Distances along the beam (the anchored part where the picture shows it), and the height of the ropes'
    // fixing above the beam.
    std::vector<int> xs{x0, outer.x(), inner.x(), xw};
    std::vector<QString> texts{mmText(Lraise - Li - Lio), mmText(Lio), mmText(Li)};
    if (xEnd <= canvas.size().width() - 5 && Lanchor > 0) {
        xs.push_back(xEnd);
        texts.push_back(mmText(Lanchor));
    }
    drawDimensionChain(canvas, y0 + 30, xs, texts);
    const int xv = xw + 24;
    canvas.line({xv, anchor.y()}, {xv, y0});
    canvas.line({xv - 5, anchor.y()}, {xv + 5, anchor.y()});
    canvas.line({xv - 5, y0}, {xv + 5, y0});
    const QString lw = mmText(Lw);
    const QSize size = canvas.textSize(lw);
    canvas.text({xv + 4, (anchor.y() + y0 - size.height()) / 2}, lw);
}

void TCustomCurve::DrawPlatformSketch(SketchCanvas& canvas, double Lio, double Li, double Lraise, double Lsecgirder,
                                      double Lsecgirder2, double q, double P)
{
    if (!(Lraise > 0)) {
        return;
    }
    const double s = kBeamPx / (1000 * Lraise);
    const int ox = Origin.x();
    const int oy = Origin.y();
    const int xe = ox + px(1000 * Lraise * s);

    // The beam under its uniform load band.
    canvas.rectangle({ox, oy}, {xe, oy + 20});
    for (int l = 0; ox + l <= xe; l += 10) {
        DrawDownArrow(canvas, ox + l, oy, 18);
    }

    // The secondary beams' loads where the beam is calculated with them. The loads are equal, so where their
    // labels would crowd some are left out; the uniform load's label goes first.
    LabelPlacer labels(canvas);
    const QString pText = formatFixedDecimals(P, 2) + QStringLiteral("kN");
    const QSize pSize = canvas.textSize(pText);
    std::vector<int> loads;
    for (double d : secondaryBeamPositions(Lraise, Lsecgirder, Lsecgirder2)) {
        const int x = ox + px(1000 * d * s);
        loads.push_back(x);
        canvas.setPenWidth(2);
        DrawDownArrow(canvas, x, oy - 40, 40);
        canvas.setPenWidth(1);
        labels.reserve(QRect(x - 3, oy - 40, 7, 40));
    }

    // The uniform load's value in the gap nearest the middle that is wide enough for it.
    const QString qText = formatFixedDecimals(q, 2) + QStringLiteral("kN/m");
    const QSize qSize = canvas.textSize(qText);
    const int middle = (ox + xe) / 2;
    int best = middle;
    int bestDistance = -1;
    for (std::size_t k = 0; k + 1 < loads.size(); ++k) {
        const int centre = (loads[k] + loads[k + 1]) / 2;
        const int distance = std::abs(centre - middle);
        if (loads[k + 1] - loads[k] >= qSize.width() + 8 && (bestDistance < 0 || distance < bestDistance)) {
            best = centre;
            bestDistance = distance;
        }
    }
    labels.place({best - qSize.width() / 2, oy - qSize.height() - 3}, qText);
    for (int x : loads) {
        labels.place({x - pSize.width() - 6, px(oy - 20 - pSize.height() / 2.0)}, pText);
    }

    // Supports at the outer rope and at the wall, under the beam.
    const int xRope = ox + px(1000 * (Lraise - Li - Lio) * s);
    DrawSupport(canvas, xRope, oy + 25, 5);
    DrawSupport(canvas, xe, oy + 25, 5);

    const int yd = oy + 45;
    DrawDimension(canvas, {ox, yd}, {xRope, yd}, mmText(Lraise - Li - Lio));
    DrawDimension(canvas, {xRope, yd}, {xe, yd}, mmText(Li + Lio));
}

void TCustomCurve::drawDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                               double Lraise, Kind kind)
{
    if (!(Lraise > 0) || points.empty()) {
        return;
    }
    const double s = kBeamPx / (1000 * Lraise);
    const int ox = Origin.x();
    const int oy = Origin.y();
    const int xe = ox + px(1000 * Lraise * s);
    canvas.line({ox, oy}, {xe, oy});
    DrawSupport(canvas, ox + px(1000 * (Lraise - (Lio + Li)) * s), oy + 6, 4);
    DrawSupport(canvas, xe, oy + 6, 4);

    // One scale along the beam for the curve and the supports; the value scale from the largest value itself.
    const double kx = kBeamPx / Lraise;
    double largest = 0;
    for (const ResultPoint& p : points) {
        largest = std::max(largest, std::abs(p.value));
    }
    const double ky = largest < kFlatBelow ? 0 : kDiagramAmplitude / largest;
    const int n = points.size();
    std::vector<QPoint> at(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        at[i] = {px(std::abs(points[i].x) * kx + ox), px(oy - points[i].value * ky)};
    }
    std::vector<QPoint> curve{{ox, oy}};
    curve.insert(curve.end(), at.begin() + 1, at.end());
    curve.push_back({at[n].x(), oy});
    canvas.polyline(curve);

    LabelPlacer labels(canvas);
    for (int x : {ox + px(1000 * (Lraise - (Lio + Li)) * s), xe}) {
        labels.reserve(QRect(x - 4, oy + 2, 9, 9));
    }
    if (kind == Kind::Deflection) {
        int top = 1;
        for (int i = 2; i <= n; ++i) {
            if (std::abs(points[i].value) > std::abs(points[top].value)) {
                top = i;
            }
        }
        const QString text = formatFixedDecimals(std::abs(points[top].value), 3);
        const QSize size = canvas.textSize(text);
        labels.place(
            {px(at[top].x() - size.width() / 2.0), points[top].value > 0 ? at[top].y() - size.height() : at[top].y()},
            text);
        return;
    }
    for (int i = 1; i <= n; ++i) {
        const double v = points[i].value;
        // A level run is labelled once, at its last point.
        if (i < n && std::abs(points[i + 1].value - v) < kLevel) {
            continue;
        }
        // Values that are a small fraction of the largest (the zeros at the ends above all) are left out.
        if (std::abs(v) < kMinorShare * largest || std::abs(v) < 0.005) {
            continue;
        }
        const QString text = formatFixedDecimals(std::abs(v), 2);
        const QSize size = canvas.textSize(text);
        int left = 0;
        int top = 0;
        if (kind == Kind::Shear) {
            left = i % 2 == 1 ? at[i].x() - size.width() : at[i].x();
            top = v > 0 ? at[i].y() - size.height() : at[i].y();
            if (top > oy && top < oy + 10) {
                top = oy + 10;
            }
        } else {
            left = i % 4 == 3 ? at[i].x() : at[i].x() - size.width();
            top = v >= 0 ? at[i].y() - size.height() : at[i].y();
            if (top >= oy && top < oy + 10) {
                top = oy + 10;
            }
        }
        labels.place({left, top}, text);
    }
}

void TCustomCurve::DrawPlatformShear(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                                     double Lraise)
{
    drawDiagram(canvas, points, Lio, Li, Lraise, Kind::Shear);
}

void TCustomCurve::DrawPlatformMoment(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio, double Li,
                                      double Lraise)
{
    drawDiagram(canvas, points, Lio, Li, Lraise, Kind::Moment);
}

void TCustomCurve::DrawPlatformDeflection(SketchCanvas& canvas, const Tarry_ShearingForce& points, double Lio,
                                          double Li, double Lraise)
{
    drawDiagram(canvas, points, Lio, Li, Lraise, Kind::Deflection);
}
