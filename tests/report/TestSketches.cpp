#include "analysis/Tsubframe.h"
#include "report/ReportDocument.h"
#include "report/SketchCanvas.h"
#include "report/Sketches.h"
#include "report/TCustomCurve.h"
#include "report/Tmycanvas.h"

#include <QDir>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Kind = RecordingCanvas::Kind;

RecordingCanvas record(const Sketch& sketch)
{
    RecordingCanvas canvas(sketch.size);
    sketch.draw(canvas);
    return canvas;
}

Tarry_ShearingForce curve(const std::vector<std::pair<double, double>>& xv)
{
    Tarry_ShearingForce points(static_cast<int>(xv.size()));
    for (int i = 1; i <= points.size(); ++i) {
        points[i] = {xv[static_cast<std::size_t>(i - 1)].first, xv[static_cast<std::size_t>(i - 1)].second};
    }
    return points;
}

// The one polyline of a diagram: the curve.
std::vector<QPoint> curveOf(const RecordingCanvas& canvas)
{
    const auto lines = canvas.shapesOf(Kind::Polyline);
    return lines.size() == 1 ? lines.front().points : std::vector<QPoint>{};
}

// Steel sections of the examples: a Φ48×3.5 tube, a [16a channel, a 16 I-beam (cm², cm⁴).
constexpr double kTubeA = 4.89, kTubeI = 12.19;
constexpr double kChannelA = 21.95, kChannelI = 866.2;
constexpr double kIBeamA = 26.1, kIBeamI = 1130;

const CantileverBeamLayout kCantilever{2, 0.6, 1.2, 1.05, 0.3, 1.5, 2.5};

struct Example
{
    const char* name;
    Sketch sketch;
};

// One sketch or diagram of every kind, from the solver's results where there are any.
std::vector<Example> gallery()
{
    std::vector<Example> out;
    out.push_back({"bar-three-span", barSketch(2, true, 1.05, 50, 100)});
    out.push_back({"bar-one-span", barSketch(3, false, 1.05, 50, 80)});
    out.push_back({"simple-beam", simpleBeamSketch(3, 50, 80, 1.5)});

    Tsubframe three;
    three.CalThreeSpanBeam({0.9, 300, kTubeA, kTubeI, 3.2});
    out.push_back({"three-span", threeSpanSketch(0.9, 0.3)});
    out.push_back({"three-span-moment", forceDiagram(three.BendingMoment(), false, 0.9)});
    out.push_back({"three-span-shear", forceDiagram(three.ShearingForce(), true, 0.9)});
    out.push_back({"three-span-deflection", deflectionDiagram(three.Deflection(), 0.9)});

    out.push_back({"high-girder", highGirderSketch(2, 0.6, 11.376, 2.521)});
    const std::vector<double> loads{0, 2.1, 4.85, 2.1};
    Tsubframe tube;
    tube.CalMultiSupportBeam({1, 600, 1200, loads, kTubeA, kTubeI});
    out.push_back({"high-girder-load", highGirderLoadSketch(loads, 1.2, 0.6)});
    out.push_back({"high-girder-deflection", highGirderDeflection(tube.Deflection(), 1, 1.2, 0.6)});
    out.push_back({"high-girder-moment", highGirderMoment(tube.BendingMoment(), 1, 1.2, 0.6)});

    const CantileverBeamLayout& b = kCantilever;
    Tsubframe cantilever;
    cantilever.CalCantileverBeam({b.Holdcount, b.LenAnchor, b.LenHang, b.HoldDis, b.Lb, b.HPoleOuterLen,
                                  b.DisLeaveWall1, kIBeamA, kIBeamI, 9.86, 0.246});
    out.push_back({"cantilever-sketch", cantileverSketch(b)});
    out.push_back({"cantilever-shear", cantileverShear(cantilever.ShearingForce(), b)});
    out.push_back({"cantilever-moment", cantileverMoment(cantilever.BendingMoment(), b)});
    out.push_back({"cantilever-deflection", cantileverDeflection(cantilever.Deflection(), b)});
    out.push_back({"cantilever-scheme-meeting", cantileverScheme(b, {true, 1, 30, 1.2, true, 1, 30, 1.5})});
    out.push_back({"cantilever-scheme-parallel", cantileverScheme(b, {true, 0, 30, 0, true, 0, 30, 0})});
    out.push_back({"cantilever-scheme-struts", cantileverScheme(b, {false, 0, 0, 0, true, 0, 45, 0})});

    Tsubframe platform;
    platform.CalPlatformBeam({1, 1, 2.5, 0, 1.5, 1, 0, kChannelA, kChannelI, 5.6, 0.26});
    out.push_back({"platform-scheme", platformScheme(0.5, 1, 0.1, 2.5, 5)});
    out.push_back({"platform-sketch", platformSketch(0.5, 1, 2.5, 1, 0, 0.26, 5.6)});
    out.push_back({"platform-shear", platformShear(platform.ShearingForce(), 0.5, 1, 2.5)});
    out.push_back({"platform-moment", platformMoment(platform.BendingMoment(), 0.5, 1, 2.5)});
    out.push_back({"platform-deflection", platformDeflection(platform.Deflection(), 0.5, 1, 2.5)});
    return out;
}

// Set YUNSHAN_SKETCH_DIR to a folder to have every example written there as a PNG for review.
TEST(SketchGallery, EveryKindPaintsLegiblyAndPastesAtTheEnd)
{
    const QString folder = qEnvironmentVariable("YUNSHAN_SKETCH_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
    }
    ReportDocument report;
    const std::vector<Example> examples = gallery();
    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        // No text covers another or leaves the picture, measured as painted.
        RecordingCanvas canvas(e.sketch.size, RecordingCanvas::Metrics::Painted);
        e.sketch.draw(canvas);
        const QRect frame(QPoint(0, 0), e.sketch.size);
        const auto texts = canvas.shapesOf(Kind::Text);
        EXPECT_FALSE(texts.empty());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QRect box = canvas.textBox(texts[i]);
            EXPECT_TRUE(frame.contains(box)) << texts[i].text.toStdString();
            for (std::size_t j = i + 1; j < texts.size(); ++j) {
                EXPECT_FALSE(box.intersects(canvas.textBox(texts[j])))
                    << texts[i].text.toStdString() << " / " << texts[j].text.toStdString();
            }
        }

        const QImage image = renderSketch(e.sketch);
        ASSERT_EQ(image.size(), e.sketch.size);
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 200);
        if (!folder.isEmpty()) {
            image.save(folder + QLatin1Char('/') + QLatin1String(e.name) + QStringLiteral(".png"));
        }

        report.AddLine(QStringLiteral("上一行"), 2);
        pasteSketch(report, e.sketch);
        // The picture is the last line, at its own size; the caption goes under it.
        const QTextBlock last = report.document().lastBlock().previous();
        QTextImageFormat picture;
        for (auto it = last.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat()) {
                picture = it.fragment().charFormat().toImageFormat();
            }
        }
        ASSERT_TRUE(picture.isValid());
        EXPECT_EQ(QSize(qRound(picture.width()), qRound(picture.height())), e.sketch.size);
    }
}

TEST(BeamSketches, LoadsSupportsAndDimensionTexts)
{
    struct Case
    {
        const char* name;
        Sketch sketch;
        std::vector<std::pair<QString, int>> texts; // text, times drawn
        int supports;
    };
    const Case cases[] = {
        {"link beam of 2 spans",
         simpleBeamSketch(2, 50, 80, 1.5),
         {{"P", 3}, {"C", 2}, {"L=2C", 1}, {"A", 1}, {"B", 1}},
         2},
        {"ledger, 2 bars per span", barSketch(2, true, 1.05, 50, 100), {{"P", 6}, {"L", 3}, {"q", 1}}, 4},
        {"transom, 3 bars", barSketch(3, false, 1.05, 50, 80), {{"P", 3}, {"L/4", 4}, {"L", 1}, {"q", 1}}, 2},
        // 3 × 0.9 m / 0.3 m: loads at 0, 0.3, …, 2.7 m, the last on the last support.
        {"three spans, 300 mm", threeSpanSketch(0.9, 0.3), {{"P", 10}, {"900", 3}}, 4},
        {"three spans, 400 mm", threeSpanSketch(0.9, 0.4), {{"P", 7}, {"900", 3}}, 4},
        // From the free end: 2500 - 1200 - 600 beyond the outer point, the spacing, the first point, the anchor;
        // then the tubes: 2500 - 300 - 1050 beyond the outer tube, the row spacing, the inner tube.
        {"cantilever beam",
         cantileverSketch(kCantilever),
         {{"P", 2}, {"q", 1}, {"700", 1}, {"600", 1}, {"1200", 1}, {"1500", 1}, {"1150", 1}, {"1050", 1}, {"300", 1}},
         4},
        {"strip under a beam",
         highGirderSketch(2, 0.6, 11.376, 2.5212),
         {{"11.376kN/m", 1}, {"2.521kN", 1}, {"200", 3}, {"A", 1}, {"B", 1}},
         4},
        {"tube under a beam",
         highGirderLoadSketch({0, 2.1, 4.85, 2.1}, 1.2, 0.6),
         {{"2.1", 2}, {"4.85", 1}, {"300", 4}},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordingCanvas canvas = record(c.sketch);
        int listed = 0;
        for (const auto& [text, times] : c.texts) {
            EXPECT_EQ(canvas.countText(text), times) << text.toStdString();
            listed += times;
        }
        EXPECT_EQ(static_cast<int>(canvas.texts().size()), listed);
        EXPECT_EQ(canvas.count(Kind::Polygon), c.supports);
    }
}

TEST(BeamSketches, ThreeSpanLoadsStandWhereTheBeamHasThem)
{
    // Span 0.9 m over 360 px: 0.4 m is 53.3 px; the first load on the first support.
    const RecordingCanvas canvas = record(threeSpanSketch(0.9, 0.4));
    std::vector<int> xs;
    for (const auto& p : canvas.textsEqual(QStringLiteral("P"))) {
        xs.push_back(p.points.front().x() + 3); // the text is centred, 6 px wide
    }
    const std::vector<int> expected{50, 103, 157, 210, 263, 317, 370};
    EXPECT_EQ(xs, expected);
}

TEST(CantileverScheme, ImageHeightFollowsTheRopesAndStruts)
{
    struct Case
    {
        const char* name;
        CantileverBracing bracing;
        int height;
    };
    // A beam 2.5 + 1.5 m over 300 px with one point 1.2 m out: everything fits the nominal height.
    const CantileverBeamLayout beam{1, 0.6, 1.2, 1.05, 0.3, 1.5, 2.5};
    const Case cases[] = {
        // trunc(1.2·(tan 30° + tan 30°)·175)
        {"both parallel at 30°", {true, 0, 30, 0, true, 0, 30, 0}, 242},
        // The nominal trunc((2 + 1.5)·77.5) = 271 puts the beam 155 px down, short of the 150 px that the 2 m
        // take at 75 px per m, the wall symbol and a margin: 150 + 9 + 2 above, 112.5 + 9 + 2 below.
        {"both meeting", {true, 1, 0, 2, true, 1, 0, 1.5}, 161 + 124},
        // trunc(2·77.5 + tan 30°·1.2·162.5)
        {"ropes meeting, struts parallel", {true, 1, 0, 2, true, 0, 30, 0}, 267},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cantileverScheme(beam, c.bracing).size, QSize(600, c.height));
    }
}

TEST(CantileverScheme, GrowsWhereTheNominalHeightWouldCutTheDrawing)
{
    // Struts only put the beam 20 px from the top, under a frame 63 px high; a short beam draws meeting ropes
    // 1.2 m up at 150 px per m, far above the nominal 105 px.
    const CantileverBeamLayout shortBeam{1, 0.6, 0.9, 1.05, 0.3, 0.5, 1.5};
    const Sketch sketches[] = {
        cantileverScheme(kCantilever, {false, 0, 0, 0, true, 0, 45, 0}),
        cantileverScheme(shortBeam, {true, 1, 0, 1.2, false, 0, 0, 0}),
    };
    for (const Sketch& s : sketches) {
        const RecordingCanvas canvas = record(s);
        const QRect frame(QPoint(0, 0), s.size);
        for (const auto& shape : canvas.shapes()) {
            for (const QPoint& p : shape.points) {
                EXPECT_TRUE(frame.contains(p)) << p.x() << "," << p.y();
            }
        }
    }
    EXPECT_GT(sketches[1].size.height(), 180);
}

TEST(CantileverScheme, PointsAreNumberedFromTheFreeEnd)
{
    CantileverBeamLayout beam = kCantilever;
    beam.Holdcount = 3;
    beam.HoldDis = 0.4;
    const RecordingCanvas canvas = record(cantileverScheme(beam, {true, 1, 0, 1.5, true, 0, 30, 0}));
    std::vector<std::pair<int, QString>> labels;
    for (const auto& t : canvas.shapesOf(Kind::Text)) {
        if (t.text != QLatin1String("A") && t.text != QLatin1String("B")) {
            labels.push_back({t.points.front().x(), t.text});
        }
    }
    std::sort(labels.begin(), labels.end());
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].second, QStringLiteral("1"));
    EXPECT_EQ(labels[1].second, QStringLiteral("2"));
    EXPECT_EQ(labels[2].second, QStringLiteral("3"));
    // Three ropes meeting at one wall point and three parallel struts, each from its point on the beam.
    int ropes = 0;
    int struts = 0;
    for (const auto& l : canvas.shapesOf(Kind::Line)) {
        const QPoint a = l.points[0];
        const QPoint b = l.points[1];
        if (a.x() < b.x() && a.y() != b.y() && b.x() == 100 + 188) { // to the wall, 2.5 of 4 m along 300 px
            (b.y() < a.y() ? ropes : struts) += 1;
        }
    }
    EXPECT_EQ(ropes, 3);
    EXPECT_EQ(struts, 3);
}

TEST(ResultDiagrams, ScaleComesFromTheUnroundedLargestValue)
{
    struct Case
    {
        const char* name;
        double largest;
        int drawnPx; // how far the largest value stands from the axis
    };
    const Case cases[] = {
        {"ordinary", 2.5, 40},
        // 0.0014 rounds to 0.001: scaled by the rounded value it would stand 56 px out.
        {"small", 0.0014, 40},
        // Below 0.0005 the rounded largest is 0 and the curve is drawn flat, without labels.
        {"negligible", 0.0004, 0},
        {"zero", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto points = curve(
            {{0, 0}, {0.9, -c.largest / 2}, {0.9, -c.largest / 2}, {1.8, c.largest}, {1.8, c.largest}, {2.7, 0}});
        for (const Sketch& s : {forceDiagram(points, false, 0.9), deflectionDiagram(points, 0.9)}) {
            const RecordingCanvas canvas = record(s);
            const std::vector<QPoint> line = curveOf(canvas);
            ASSERT_EQ(line.size(), 8u);
            int farthest = 0;
            for (const QPoint& p : line) {
                farthest = std::max(farthest, std::abs(p.y() - 75));
            }
            EXPECT_EQ(farthest, c.drawnPx);
            // Starts and ends on the axis, at the first and the last point.
            EXPECT_EQ(line.front(), QPoint(50, 75));
            EXPECT_EQ(line.back(), QPoint(410, 75));
            EXPECT_EQ(canvas.texts().empty(), c.drawnPx == 0);
        }
    }
}

TEST(ResultDiagrams, LabelsShowTheValuesOnceWithoutSign)
{
    // A shear curve of three members: a level run (the same value at both ends), a jump, a sloping member.
    const auto shear = curve({{0, 2.5}, {0.9, 2.5}, {0.9, -1.25}, {1.8, -1.25}, {1.8, 1.0}, {2.7, 0.4}});
    const RecordingCanvas s = record(forceDiagram(shear, true, 0.9));
    EXPECT_EQ(s.countText(QStringLiteral("2.5")), 1);
    EXPECT_EQ(s.countText(QStringLiteral("1.25")), 1);
    EXPECT_EQ(s.countText(QStringLiteral("1")), 1);
    EXPECT_EQ(s.countText(QStringLiteral("0.4")), 1);
    // Negative values below the axis, positive ones above.
    EXPECT_GT(s.textsEqual(QStringLiteral("1.25")).front().points.front().y(), 75);
    EXPECT_LT(s.textsEqual(QStringLiteral("2.5")).front().points.front().y(), 75);

    // A deformation curve is labelled at its peaks only.
    std::vector<std::pair<double, double>> xv;
    for (int i = 0; i <= 54; ++i) {
        const double x = i * 0.05;
        xv.push_back({x, -std::sin(x / 0.9 * 3.14159265358979) * (i < 18 || i > 36 ? 0.62 : -0.15)});
    }
    const RecordingCanvas d = record(deflectionDiagram(curve(xv), 0.9));
    EXPECT_EQ(d.texts(), (std::vector<QString>{"0.62", "0.62", "0.15"}));
}

TEST(ResultDiagrams, CantileverSupportsAtAnchorWallAndEveryPoint)
{
    const auto moment = curve({{0, 0}, {1.3, -1.2}, {1.3, -1.2}, {4.0, 0}});
    const RecordingCanvas canvas = record(cantileverMoment(moment, kCantilever));
    std::vector<int> apexes;
    for (const auto& p : canvas.shapesOf(Kind::Polygon)) {
        apexes.push_back(p.points.front().x());
    }
    std::sort(apexes.begin(), apexes.end());
    // 4 m over 360 px: the points 1.8 and 1.2 m from the wall (at 2.5 m), the wall, the anchor.
    EXPECT_EQ(apexes, (std::vector<int>{113, 167, 275, 410}));
}

TEST(PlatformDrawings, SecondaryBeamsWhereTheMainBeamCarriesThem)
{
    struct Case
    {
        double Lraise, Lsecgirder, Lsecgirder2;
        std::vector<double> positions; // m from the free end
    };
    const Case cases[] = {
        {2.5, 1, 0, {0, 1, 2, 2.5}},       // 0.5 m left at the wall: a beam of its own there
        {2.5, 1, 0.6, {0, 1, 2}},          // within 0.6 m of the wall: none added
        {3, 1, 0, {0, 1, 2, 3}},           // spacing reaches the wall exactly: one beam there, not two
        {2.9996, 1, 0, {0, 1, 2, 2.9996}}, // whole spacings up to rounding: the last one stops at the wall
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Lraise);
        const auto got = TCustomCurve::secondaryBeamPositions(c.Lraise, c.Lsecgirder, c.Lsecgirder2);
        ASSERT_EQ(got.size(), c.positions.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_NEAR(got[i], c.positions[i], 1e-9);
        }
        // The sketch draws one bold arrow per secondary beam.
        const RecordingCanvas canvas = record(platformSketch(0.5, 1, c.Lraise, c.Lsecgirder, c.Lsecgirder2, 0.26, 5.6));
        int bold = 0;
        for (const auto& l : canvas.shapesOf(Kind::Line)) {
            bold += l.penWidth == 2 && l.points[0].x() == l.points[1].x() ? 1 : 0;
        }
        EXPECT_EQ(bold, static_cast<int>(c.positions.size()));
    }
}

TEST(PlatformDrawings, DiagramLabels)
{
    // Shear from the free end: a level run of two points, a jump at the rope, a sloping member to the wall.
    const auto shear = curve({{0, -5.6}, {1, -5.6}, {1, 8.15}, {1.5, 7.9}, {1.5, -2.3}, {2.5, -2.56}});
    const RecordingCanvas s = record(platformShear(shear, 0.5, 1, 2.5));
    EXPECT_EQ(s.countText(QStringLiteral("5.60")), 1);
    const auto level = s.textsEqual(QStringLiteral("5.60")).front().points.front();
    EXPECT_EQ(level.x(), 50 + 140); // the run's last point, an even one: the label starts at it
    for (const char* t : {"8.15", "7.90", "2.30", "2.56"}) {
        EXPECT_EQ(s.countText(QString::fromLatin1(t)), 1) << t;
    }
    // The supports sit under the axis at the outer rope (1 m from the free end) and the wall.
    std::vector<int> apexes;
    for (const auto& p : s.shapesOf(Kind::Polygon)) {
        apexes.push_back(p.points.front().x());
    }
    EXPECT_EQ(apexes, (std::vector<int>{190, 400}));

    // The deformation carries one label, at its largest value, centred on it.
    const auto deflection = curve({{0, -3.1}, {0.5, -1.7}, {1.0, 0}, {1.5, 0.2}, {2.5, 0}});
    const RecordingCanvas d = record(platformDeflection(deflection, 0.5, 1, 2.5));
    ASSERT_EQ(d.texts(), (std::vector<QString>{"3.100"}));
    const auto label = d.shapesOf(Kind::Text).front().points.front();
    EXPECT_EQ(label, QPoint(50 - 15, 80 + 35)); // 5 characters of 6 px centred on x = 50, under the point

    // A fixed wall's moment is labelled too.
    const auto moment = curve({{0, 0}, {1, -5.6}, {1, -5.6}, {2.5, 3.4}});
    const RecordingCanvas m = record(platformMoment(moment, 0.5, 1, 2.5));
    EXPECT_EQ(m.countText(QStringLiteral("3.40")), 1);
    EXPECT_EQ(m.countText(QStringLiteral("5.60")), 1);
}

} // namespace
