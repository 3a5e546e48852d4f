#include "Tmycanvas.h"

#include "SketchCanvas.h"
#include "sketchparts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Supports are drawn larger than a few pixels so that they survive printing.
constexpr int kSupportHalfWidth = 5;
constexpr int kSupportHeight = 8;
constexpr int kUniformPitch = 15;     // px between the arrows of a uniform load
constexpr int kDiagramAmplitude = 40; // px of the largest value of a diagram
// Values whose largest magnitude rounds to 0.000 are drawn flat rather than blown up to the full amplitude.
constexpr double kFlatBelow = 0.0005;
constexpr double kMinorShare = 0.01; // values under this share of the largest get no label
constexpr int kRepeatPx = 30;

QString mm(double metres)
{
    return shortRounded(1000 * metres, 1);
}

double tanDegrees(double degrees)
{
    return std::tan(degrees * std::numbers::pi / 180);
}

// A chain of dimensions from pixel positions and lengths (m), leaving out segments of no length.
struct Chain
{
    std::vector<int> xs;
    std::vector<QString> texts;

    void start(int x) { xs = {x}; }
    void add(int x, const QString& text)
    {
        if (x == xs.back()) {
            return;
        }
        xs.push_back(x);
        texts.push_back(text);
    }
};

} // namespace

void Tmycanvas::DrawLine(SketchCanvas& canvas, double x1, double y1, double x2, double y2) const
{
    canvas.line({px(x1), px(y1)}, {px(x2), px(y2)});
}

void Tmycanvas::DrawSupport(SketchCanvas& canvas, QPoint p) const
{
    const int width = canvas.penWidth();
    canvas.setPenWidth(1);
    canvas.polygon(
        {p, {p.x() - kSupportHalfWidth, p.y() + kSupportHeight}, {p.x() + kSupportHalfWidth, p.y() + kSupportHeight}});
    canvas.setPenWidth(width);
}

void Tmycanvas::DrawLoadArrow(SketchCanvas& canvas, QPoint p, int length) const
{
    const int l = length > 0 ? length : ArrowLen;
    const QPoint tip(p.x(), p.y() + l);
    canvas.line(p, tip);
    canvas.line({p.x() - 3, tip.y() - 5}, tip);
    canvas.line({p.x() + 3, tip.y() - 5}, tip);
}

void Tmycanvas::DrawTick(SketchCanvas& canvas, QPoint p) const
{
    drawDimensionTick(canvas, p);
}

void Tmycanvas::DrawWall(SketchCanvas& canvas, QPoint p) const
{
    canvas.line({p.x(), p.y() - 8}, {p.x(), p.y() + 8});
    for (int k = 0; k < 4; ++k) {
        const int y = p.y() - 6 + 4 * k;
        canvas.line({p.x(), y + 3}, {p.x() + 5, y - 2});
    }
}

std::vector<double> Tmycanvas::ropePoints() const
{
    std::vector<double> out;
    for (int k = 0; k < BackstopNumber; ++k) {
        out.push_back(FirstDistance + k * FSpacebetween);
    }
    return out;
}

void Tmycanvas::drawUniformLoad(SketchCanvas& canvas, int x1, int x2, int y) const
{
    const int top = y - ArrowLen;
    canvas.line({x1, top}, {x2, top});
    int x = x1;
    for (; x <= x2; x += kUniformPitch) {
        DrawLoadArrow(canvas, {x, top});
    }
    if (x2 - (x - kUniformPitch) > 5) {
        DrawLoadArrow(canvas, {x2, top});
    }
}

void Tmycanvas::drawPointLoad(SketchCanvas& canvas, int x, int y, const QString& label) const
{
    // Point loads are bold and reach above the uniform load band, so the two read apart.
    const int length = 2 * ArrowLen;
    canvas.setPenWidth(2);
    DrawLoadArrow(canvas, {x, y - length}, length);
    canvas.setPenWidth(1);
    const QSize size = canvas.textSize(label);
    canvas.text({x - size.width() / 2, y - length - size.height()}, label);
}

void Tmycanvas::DrawCantileverSketch(SketchCanvas& canvas)
{
    if (HangLen + AnchorLen <= 0) {
        return;
    }
    Scale = 1;
    Scale = 360 / ToPx100(HangLen + AnchorLen);
    const int x0 = OriginX;
    const int y = OriginY;
    const int xe = x0 + 360;
    WallX = x0 + px(ToPx100(HangLen));
    WallY = y;
    const int xInner = WallX - px(ToPx100(InnerDis));
    const int xOuter = WallX - px(ToPx100(InnerDis + RowDis));

    drawUniformLoad(canvas, x0, xe, y);
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {xe, y});
    canvas.setPenWidth(1);
    drawPointLoad(canvas, xInner, y, QStringLiteral("P"));
    drawPointLoad(canvas, xOuter, y, QStringLiteral("P"));
    // "q" over the middle of the beam, or over the anchored part when a tube load stands there.
    int xq = (x0 + xe) / 2;
    if (std::abs(xq - xInner) < 12 || std::abs(xq - xOuter) < 12) {
        xq = (WallX + xe) / 2;
    }
    const QSize qSize = canvas.textSize(QStringLiteral("q"));
    canvas.text({xq - qSize.width() / 2, y - ArrowLen - qSize.height()}, QStringLiteral("q"));

    DrawSupport(canvas, {xe, y});
    DrawSupport(canvas, {WallX, y});
    const std::vector<double> points = ropePoints();
    for (double d : points) {
        DrawSupport(canvas, {WallX - px(ToPx100(d)), y});
    }

    // From the free end: the projecting length left beyond the outermost point, the spacings, the innermost
    // point's distance from the wall, the anchored length.
    Chain supports;
    supports.start(x0);
    for (std::size_t k = points.size(); k-- > 0;) {
        const double beyond = k + 1 == points.size() ? HangLen - points[k] : FSpacebetween;
        supports.add(WallX - px(ToPx100(points[k])), mm(beyond));
    }
    supports.add(WallX, mm(points.empty() ? HangLen : points.front()));
    supports.add(xe, mm(AnchorLen));
    const int bottom = drawDimensionChain(canvas, y + ArrowLen, supports.xs, supports.texts);

    // Where the standing tubes load the beam.
    Chain tubes;
    tubes.start(x0);
    tubes.add(xOuter, mm(HangLen - InnerDis - RowDis));
    tubes.add(xInner, mm(RowDis));
    tubes.add(WallX, mm(InnerDis));
    const int th = canvas.textSize(QStringLiteral("0")).height();
    drawDimensionChain(canvas, std::max(y + 2 * ArrowLen, bottom + th + 2), tubes.xs, tubes.texts);
}

void Tmycanvas::DrawCantileverScheme(SketchCanvas& canvas, double width)
{
    if (HangLen + AnchorLen <= 0 || width <= 0) {
        return;
    }
    Scale = 1;
    Scale = width / ToPx100(HangLen + AnchorLen);
    const int x0 = OriginX;
    const int y = OriginY;
    const int xe = x0 + px(width);
    WallX = x0 + px(ToPx100(HangLen));
    WallY = y;

    // Ropes above and struts below, each from its point on the beam to the wall.
    const std::vector<double> points = ropePoints();
    std::vector<int> wallEnds;
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int x = WallX - px(ToPx100(points[k]));
        if (SteelUp) {
            const double rise = ParallelUp ? tanDegrees(AngleUp) * (WallX - x) : ToPx100(PivotDistanceUp);
            canvas.line({x, y}, {WallX, px(WallY - rise)});
            wallEnds.push_back(px(WallY - rise));
        }
        if (backstop_down) {
            const double drop = Paralleldown ? tanDegrees(Angledown) * (WallX - x) : ToPx100(PivotDistancedown);
            canvas.line({x, y}, {WallX, px(WallY + drop)});
            wallEnds.push_back(px(WallY + drop));
        }
        // Numbered from the free end: the innermost point is the last.
        const QString label = QString::number(static_cast<int>(points.size() - k));
        const QSize size = canvas.textSize(label);
        canvas.text({x - size.width() - 2, y - 15}, label);
    }

    // The building's face between the highest and the lowest fixing, a wall symbol at each fixing.
    int top = y;
    int bottom = y;
    for (int e : wallEnds) {
        top = std::min(top, e);
        bottom = std::max(bottom, e);
    }
    canvas.line({WallX, top}, {WallX, bottom});
    DrawWall(canvas, {WallX, y});
    std::sort(wallEnds.begin(), wallEnds.end());
    wallEnds.erase(std::unique(wallEnds.begin(), wallEnds.end()), wallEnds.end());
    for (int e : wallEnds) {
        if (e != y) {
            DrawWall(canvas, {WallX, e});
        }
    }

    // The scaffold frame on the beam: its two standing tubes and the ledger joining their tops.
    Rwidth = ToPx100(RowDis);
    RHeight = 0.8 * Rwidth;
    const int xInner = WallX - px(ToPx100(InnerDis));
    const int xOuter = xInner - px(Rwidth);
    const int yTop = y - px(RHeight);
    canvas.setPenWidth(2);
    canvas.line({xInner, y}, {xInner, yTop});
    canvas.line({xOuter, y}, {xOuter, yTop});
    canvas.line({xOuter, yTop}, {xInner, yTop});
    canvas.line({x0, y}, {xe, y});
    canvas.setPenWidth(1);

    const QSize a = canvas.textSize(QStringLiteral("A"));
    canvas.text({WallX + 8, y + 2}, QStringLiteral("A"));
    canvas.text({xe + 4, y - a.height() / 2}, QStringLiteral("B"));
}

Tmycanvas::Frame Tmycanvas::cantileverFrame(const Tarry_ShearingForce& points)
{
    Frame f;
    const double length = HangLen + AnchorLen;
    if (length <= 0 || points.empty()) {
        return f;
    }
    Scale = 1;
    Scale = 360 / ToPx100(length);
    f.x0 = OriginX;
    f.y0 = OriginY;
    f.length = 360;
    // One scale for the curve and the supports, so that they meet whatever the last point's x.
    f.xFactor = 360 / length;
    WallX = OriginX + px(ToPx100(HangLen));
    WallY = OriginY;
    f.supports = {OriginX + 360, WallX};
    for (double d : ropePoints()) {
        f.supports.push_back(WallX - px(ToPx100(d)));
    }
    return f;
}

Tmycanvas::Frame Tmycanvas::spanFrame(const Tarry_ShearingForce& points, double width)
{
    Frame f;
    if (SpanLen <= 0 || width <= 0 || points.empty()) {
        return f;
    }
    Scale = 1;
    Scale = width / ToPx1000(SpanLen);
    f.x0 = OriginX;
    f.y0 = OriginY;
    f.length = px(3 * width);
    f.xFactor = width / SpanLen;
    for (int k = 0; k <= 3; ++k) {
        f.supports.push_back(OriginX + px(k * width));
    }
    return f;
}

Tmycanvas::Frame Tmycanvas::highGirderFrame(int n, double la, double B)
{
    Frame f;
    if (la <= 0) {
        return f;
    }
    Scale = 1;
    Scale = 360 / ToPx100(la);
    f.x0 = OriginX;
    f.y0 = OriginY;
    f.length = 360;
    f.xFactor = 360 / la;
    const double edge = (la - B) / 2;
    const double spacing = B / (std::max(n, 0) + 1);
    f.supports.push_back(OriginX);
    for (int k = 1; k <= n; ++k) {
        f.supports.push_back(OriginX + px((edge + k * spacing) * f.xFactor));
    }
    f.supports.push_back(OriginX + 360);
    return f;
}

void Tmycanvas::drawDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, const Frame& frame, Labels labels)
{
    if (frame.length <= 0) {
        return;
    }
    canvas.line({frame.x0, frame.y0}, {frame.x0 + frame.length, frame.y0});
    for (int x : frame.supports) {
        DrawSupport(canvas, {x, frame.y0});
    }

    double largest = 0;
    for (const ResultPoint& p : points) {
        largest = std::max(largest, std::abs(p.value));
    }
    const double yFactor = largest < kFlatBelow ? 0 : kDiagramAmplitude / largest;
    const int n = points.size();
    std::vector<QPoint> at(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        at[i] = {frame.x0 + px(std::abs(points[i].x) * frame.xFactor), frame.y0 - px(points[i].value * yFactor)};
    }
    std::vector<QPoint> curve;
    curve.push_back({at[1].x(), frame.y0});
    curve.insert(curve.end(), at.begin() + 1, at.end());
    curve.push_back({at[n].x(), frame.y0});
    canvas.polyline(curve);

    // Candidates for value labels; the largest values are placed first and a label that would cover another is
    // left out, so the extremes always show.
    struct Candidate
    {
        double magnitude;
        QPoint anchor; // the point the label belongs to
        int align;     // -1 ends at the point, 0 centred on it, 1 starts at it
        bool above;
        QString text;
    };
    std::vector<Candidate> candidates;
    auto add = [&](int i, QPoint anchor, int align) {
        const QString text = shortRounded(std::abs(points[i].value), 3);
        // Values that are a small fraction of the largest say nothing the curve does not, and crowd the axis.
        if (text != QLatin1String("0") && std::abs(points[i].value) >= kMinorShare * largest) {
            candidates.push_back({std::abs(points[i].value), anchor, align, points[i].value > 0, text});
        }
    };
    switch (labels) {
    case Labels::MemberEnds:
        // A member whose ends carry the same value is labelled once, over its middle.
        for (int i = 1; i <= n; i += 2) {
            const int j = std::min(i + 1, n);
            if (shortRounded(points[i].value, 3) == shortRounded(points[j].value, 3)) {
                add(i, {(at[i].x() + at[j].x()) / 2, at[i].y()}, 0);
            } else {
                add(i, at[i], 1);
                add(j, at[j], -1);
            }
        }
        break;
    case Labels::Centred:
        for (int i = 1; i <= n; ++i) {
            if (i == 1 || at[i] != at[i - 1]) {
                add(i, at[i], 0);
            }
        }
        break;
    case Labels::Extremes:
        for (int i = 1; i <= n; ++i) {
            const double v = points[i].value;
            const double before = i > 1 ? points[i - 1].value : v;
            const double after = i < n ? points[i + 1].value : v;
            const bool peak = v >= before && v >= after && v > 0;
            const bool trough = v <= before && v <= after && v < 0;
            if (peak || trough) {
                add(i, at[i], 0);
            }
        }
        break;
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.magnitude > b.magnitude; });
    LabelPlacer placer(canvas);
    for (int x : frame.supports) {
        placer.reserve(QRect(x - kSupportHalfWidth, frame.y0, 2 * kSupportHalfWidth + 1, kSupportHeight + 1));
    }
    // The same value again close by (both ends of a very short member) is written once.
    std::vector<std::pair<QString, int>> written;
    for (const Candidate& c : candidates) {
        const bool repeated = std::any_of(written.begin(), written.end(), [&](const auto& w) {
            return w.first == c.text && std::abs(w.second - c.anchor.x()) < kRepeatPx;
        });
        if (repeated) {
            continue;
        }
        const QSize size = canvas.textSize(c.text);
        const int left = c.align > 0
            ? c.anchor.x() + 2
            : (c.align < 0 ? c.anchor.x() - size.width() - 2 : c.anchor.x() - size.width() / 2);
        const int top = c.above ? c.anchor.y() - size.height() - 1 : c.anchor.y() + 2;
        // Beside a support or another label, the text may stand a little further out.
        const int side = c.align == 0 ? size.width() / 2 + 2 : 8 * c.align;
        const int away = c.above ? -4 : 4;
        const std::vector<QPoint> places{
            {left, top}, {left + side, top}, {left - (c.align == 0 ? side : 0), top}, {left, top + away}};
        if (placer.placeFirst(places, c.text)) {
            written.push_back({c.text, c.anchor.x()});
        }
    }
}

void Tmycanvas::DrawShearDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, bool cantilever, double width)
{
    drawDiagram(canvas, points, cantilever ? cantileverFrame(points) : spanFrame(points, width), Labels::MemberEnds);
}

void Tmycanvas::DrawMomentDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double width,
                                  bool cantilever)
{
    drawDiagram(canvas, points, cantilever ? cantileverFrame(points) : spanFrame(points, width), Labels::Centred);
}

void Tmycanvas::DrawDeflectionDiagram(SketchCanvas& canvas, const Tarry_ShearingForce& points, double width,
                                      bool cantilever)
{
    drawDiagram(canvas, points, cantilever ? cantileverFrame(points) : spanFrame(points, width), Labels::Extremes);
}

void Tmycanvas::DrawSimpleBeam(SketchCanvas& canvas)
{
    const int spans = std::max(SpanCount, 1);
    Scale = 1;
    Scale = SpanWidth > 0 ? 360 / ToPx1000(spans * SpanWidth) : 1;
    const int x0 = OriginX;
    const int y = OriginY;
    std::vector<int> ends;
    for (int k = 0; k <= spans; ++k) {
        ends.push_back(x0 + px(360.0 * k / spans));
    }
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {ends.back(), y});
    canvas.setPenWidth(1);
    for (int x : ends) {
        drawPointLoad(canvas, x, y, QStringLiteral("P"));
    }
    DrawSupport(canvas, {ends.front(), y});
    DrawSupport(canvas, {ends.back(), y});
    const QSize a = canvas.textSize(QStringLiteral("A"));
    canvas.text({ends.front() - a.width() - 6, y + 2}, QStringLiteral("A"));
    canvas.text({ends.back() + 6, y + 2}, QStringLiteral("B"));

    const int bottom = drawDimensionChain(canvas, y + ArrowLen, ends, std::vector<QString>(spans, QStringLiteral("C")));
    const QString total = QStringLiteral("L=%1C").arg(SpanCount);
    drawDimensionChain(canvas, std::max(y + 2 * ArrowLen, bottom + a.height() + 2), {ends.front(), ends.back()},
                       {total});
}

void Tmycanvas::DrawBarSketch3(SketchCanvas& canvas)
{
    Scale = 1;
    Scale = SpanWidth > 0 ? 300 / ToPx1000(3 * SpanWidth) : 1;
    const int x0 = OriginX;
    const int y = OriginY;
    const int loads = std::max(LoadCount, 0);
    std::vector<int> ends;
    for (int k = 0; k <= 3; ++k) {
        ends.push_back(x0 + 100 * k);
    }
    drawUniformLoad(canvas, x0, ends.back(), y);
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {ends.back(), y});
    canvas.setPenWidth(1);
    for (int span = 0; span < 3; ++span) {
        for (int j = 1; j <= loads; ++j) {
            drawPointLoad(canvas, ends[span] + px(100.0 * j / (loads + 1)), y, QStringLiteral("P"));
        }
    }
    const QSize q = canvas.textSize(QStringLiteral("q"));
    canvas.text({ends.back() + 6, y - ArrowLen - q.height() / 2}, QStringLiteral("q"));
    for (int x : ends) {
        DrawSupport(canvas, {x, y});
    }
    drawDimensionChain(canvas, y + ArrowLen, ends, std::vector<QString>(3, QStringLiteral("L")));
}

void Tmycanvas::DrawBarSketch1(SketchCanvas& canvas)
{
    Scale = 1;
    Scale = SpanWidth > 0 ? 300 / ToPx1000(SpanWidth) : 1;
    const int x0 = OriginX;
    const int y = OriginY;
    const int xe = x0 + 300;
    const int divisions = std::max(LoadCount, 0) + 1;
    std::vector<int> xs;
    for (int j = 0; j <= divisions; ++j) {
        xs.push_back(x0 + px(300.0 * j / divisions));
    }
    drawUniformLoad(canvas, x0, xe, y);
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {xe, y});
    canvas.setPenWidth(1);
    for (int j = 1; j < divisions; ++j) {
        drawPointLoad(canvas, xs[j], y, QStringLiteral("P"));
    }
    const QSize q = canvas.textSize(QStringLiteral("q"));
    canvas.text({xe + 6, y - ArrowLen - q.height() / 2}, QStringLiteral("q"));
    DrawSupport(canvas, {x0, y});
    DrawSupport(canvas, {xe, y});
    const QString part = QStringLiteral("L/%1").arg(divisions);
    const int bottom = drawDimensionChain(canvas, y + ArrowLen, xs, std::vector<QString>(divisions, part));
    drawDimensionChain(canvas, std::max(y + 2 * ArrowLen, bottom + q.height() + 2), {x0, xe}, {QStringLiteral("L")});
}

void Tmycanvas::DrawThreeSpanSketch(SketchCanvas& canvas)
{
    if (SpanLen <= 0) {
        return;
    }
    Scale = 1;
    Scale = 120 / ToPx1000(SpanLen);
    const int x0 = OriginX;
    const int y = OriginY;
    std::vector<int> ends;
    for (int k = 0; k <= 3; ++k) {
        ends.push_back(x0 + 120 * k);
    }
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {ends.back(), y});
    canvas.setPenWidth(1);
    if (LoadSpacing > 0) {
        // The loads as the three-span beam places them: from the start every spacing, up to the last support.
        const int count = static_cast<int>(std::floor(3 * SpanLen / LoadSpacing + 1e-7));
        LabelPlacer labels(canvas);
        const int length = ArrowLen + 5;
        for (int k = 0; k <= count; ++k) {
            const int x = x0 + px(ToPx1000(k * LoadSpacing));
            canvas.setPenWidth(2);
            DrawLoadArrow(canvas, {x, y - length}, length);
            canvas.setPenWidth(1);
            const QSize size = canvas.textSize(QStringLiteral("P"));
            labels.place({x - size.width() / 2, y - length - size.height()}, QStringLiteral("P"));
        }
    }
    for (int x : ends) {
        DrawSupport(canvas, {x, y});
    }
    drawDimensionChain(canvas, y + ArrowLen, ends, std::vector<QString>(3, mm(SpanLen)));
}

void Tmycanvas::DrawHighGirderSketch(SketchCanvas& canvas, int count, double a, double b, double c)
{
    if (a <= 0) {
        return;
    }
    Scale = 1;
    Scale = 360 / ToPx100(a);
    const int x0 = OriginX;
    const int y = OriginY;
    const int xe = x0 + 360;
    const int spans = std::max(count, 0) + 1;
    std::vector<int> xs;
    for (int j = 0; j <= spans; ++j) {
        xs.push_back(x0 + px(360.0 * j / spans));
    }
    drawUniformLoad(canvas, x0, xe, y);
    canvas.setPenWidth(2);
    canvas.line({x0, y}, {xe, y});
    canvas.setPenWidth(1);
    // The point load just right of the middle, as the continuous beam places it.
    drawPointLoad(canvas, x0 + px(ToPx100(a / 2 + 0.01)), y, shortRounded(c, 3) + QStringLiteral("kN"));
    const QString q = shortRounded(b, 3) + QStringLiteral("kN/m");
    const QSize qSize = canvas.textSize(q);
    canvas.text({x0 + 90 - qSize.width() / 2, y - ArrowLen - qSize.height()}, q);
    for (int x : xs) {
        DrawSupport(canvas, {x, y});
    }
    const QSize s = canvas.textSize(QStringLiteral("A"));
    canvas.text({x0 - s.width() - 6, y + 2}, QStringLiteral("A"));
    canvas.text({xe + 6, y + 2}, QStringLiteral("B"));
    drawDimensionChain(canvas, y + ArrowLen, xs, std::vector<QString>(spans, mm(a / spans)));
}

void Tmycanvas::DrawHighGirderLoad(SketchCanvas& canvas, const std::vector<double>& loads, double la, double B)
{
    const int forces = static_cast<int>(loads.size()) - 1;
    const int n = std::max(forces - 2, 0);
    const Frame f = highGirderFrame(n, la, B);
    if (f.length <= 0) {
        return;
    }
    const int y = f.y0;
    canvas.setPenWidth(2);
    canvas.line({f.x0, y}, {f.x0 + f.length, y});
    canvas.setPenWidth(1);
    const double edge = (la - B) / 2;
    const double spacing = B / (n + 1);
    LabelPlacer labels(canvas);
    const int length = 2 * ArrowLen;
    for (int k = 1; k <= forces; ++k) {
        const double at = k == 1 ? edge : (k == forces ? la - edge : edge + (k - 1) * spacing + 0.03);
        const int x = f.x0 + px(at * f.xFactor);
        canvas.setPenWidth(2);
        DrawLoadArrow(canvas, {x, y - length}, length);
        canvas.setPenWidth(1);
        // Neighbouring forces close together take a second row.
        const QString text = shortRounded(loads[static_cast<std::size_t>(k)], 3);
        const QSize size = canvas.textSize(text);
        if (!labels.place({x - size.width() / 2, y - length - size.height()}, text)) {
            labels.place({x - size.width() / 2, y - length - 2 * size.height()}, text);
        }
    }
    for (int x : f.supports) {
        DrawSupport(canvas, {x, y});
    }
    // The beam edges and the inner supports between them, from the left end to the right end.
    Chain chain;
    chain.start(f.x0);
    chain.add(f.x0 + px(edge * f.xFactor), mm(edge));
    for (int k = 1; k <= n + 1; ++k) {
        chain.add(f.x0 + px((edge + k * spacing) * f.xFactor), mm(spacing));
    }
    chain.add(f.x0 + f.length, mm(edge));
    drawDimensionChain(canvas, y + ArrowLen, chain.xs, chain.texts);
}

void Tmycanvas::DrawHighGirderDeflection(SketchCanvas& canvas, const Tarry_ShearingForce& points, int n, double la,
                                         double B)
{
    if (points.empty()) {
        return;
    }
    drawDiagram(canvas, points, highGirderFrame(n, la, B), Labels::Extremes);
}

void Tmycanvas::DrawHighGirderMoment(SketchCanvas& canvas, const Tarry_ShearingForce& points, int n, double la,
                                     double B)
{
    if (points.empty()) {
        return;
    }
    drawDiagram(canvas, points, highGirderFrame(n, la, B), Labels::Centred);
}
