#include "SketchCanvas.h"

#include "ReportFonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

namespace {

constexpr int kDefaultFontPixels = 12;

QPolygon toPolygon(const std::vector<QPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const QPoint& p : points) {
        polygon << p;
    }
    return polygon;
}

} // namespace

QFont sketchFont(int pixelSize)
{
    installReportFonts();
    // The labels are numbers, letters and units: a sans face keeps them crisp at this size on paper, where the
    // hairlines of the Song face grey out. The Song face stays in the list for any other character.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Arial"), QStringLiteral("宋体")});
    font.setPixelSize(pixelSize > 0 ? pixelSize : kDefaultFontPixels);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

PainterCanvas::PainterCanvas(QImage& image)
    : m_size(image.size())
    , m_painter(std::make_unique<QPainter>(&image))
    , m_font(sketchFont(kDefaultFontPixels))
{
    m_painter->setFont(m_font);
    // Lines stay crisp one-pixel strokes as on the printed page; texts are smoothed.
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    m_painter->setBrush(Qt::NoBrush);
    applyPen();
}

PainterCanvas::~PainterCanvas() = default;

void PainterCanvas::applyPen()
{
    QPen pen(Qt::black);
    pen.setWidth(m_penWidth);
    pen.setStyle(m_dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
}

void PainterCanvas::setPenWidth(int px)
{
    m_penWidth = px <= 0 ? 1 : px;
    applyPen();
}

void PainterCanvas::setPenDashed(bool dashed)
{
    m_dashed = dashed;
    applyPen();
}

void PainterCanvas::setBrush(std::optional<QColor> colour)
{
    m_painter->setBrush(colour ? QBrush(*colour) : QBrush(Qt::NoBrush));
}

void PainterCanvas::setFontPixelSize(int px)
{
    m_font = sketchFont(px);
    m_painter->setFont(m_font);
}

void PainterCanvas::line(QPoint from, QPoint to)
{
    m_painter->drawLine(from, to);
}

void PainterCanvas::polyline(const std::vector<QPoint>& points)
{
    m_painter->drawPolyline(toPolygon(points));
}

void PainterCanvas::polygon(const std::vector<QPoint>& points)
{
    m_painter->drawPolygon(toPolygon(points));
}

void PainterCanvas::rectangle(QPoint topLeft, QPoint bottomRight)
{
    // A QRect drawn with a one-pixel pen covers one pixel more than its size; corners given are both on the outline.
    m_painter->drawRect(QRect(topLeft, bottomRight).adjusted(0, 0, -1, -1).normalized());
}

void PainterCanvas::circle(QPoint centre, int radius)
{
    m_painter->drawEllipse(centre, radius, radius);
}

void PainterCanvas::text(QPoint topLeft, const QString& text)
{
    const QFontMetrics metrics(m_font);
    m_painter->drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
}

QSize PainterCanvas::textSize(const QString& text) const
{
    const QFontMetrics metrics(m_font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

RecordingCanvas::RecordingCanvas(QSize size, Metrics metrics)
    : m_size(size)
    , m_metrics(metrics)
    , m_fontPixelSize(kDefaultFontPixels)
{ }

void RecordingCanvas::add(Kind kind, std::vector<QPoint> points)
{
    Shape s{kind, std::move(points), {}, 0, m_penWidth, m_dashed, m_brush, m_fontPixelSize, {}};
    m_shapes.push_back(std::move(s));
}

void RecordingCanvas::circle(QPoint centre, int radius)
{
    add(Kind::Circle, {centre});
    m_shapes.back().radius = radius;
}

void RecordingCanvas::text(QPoint topLeft, const QString& text)
{
    add(Kind::Text, {topLeft});
    m_shapes.back().text = text;
    m_shapes.back().extent = textSize(text);
}

QSize RecordingCanvas::textSize(const QString& text) const
{
    if (m_metrics == Metrics::Painted) {
        const QFontMetrics metrics(sketchFont(m_fontPixelSize));
        return {metrics.horizontalAdvance(text), metrics.height()};
    }
    int width = 0;
    for (const QChar c : text) {
        width += c.unicode() < 128 ? m_fontPixelSize / 2 : m_fontPixelSize;
    }
    return {width, m_fontPixelSize + 2};
}

std::vector<RecordingCanvas::Shape> RecordingCanvas::shapesOf(Kind kind) const
{
    std::vector<Shape> out;
    for (const Shape& s : m_shapes) {
        if (s.kind == kind) {
            out.push_back(s);
        }
    }
    return out;
}

std::vector<QString> RecordingCanvas::texts() const
{
    std::vector<QString> out;
    for (const Shape& s : m_shapes) {
        if (s.kind == Kind::Text) {
            out.push_back(s.text);
        }
    }
    return out;
}

int RecordingCanvas::count(Kind kind) const
{
    int n = 0;
    for (const Shape& s : m_shapes) {
        n += s.kind == kind ? 1 : 0;
    }
    return n;
}

int RecordingCanvas::countText(const QString& text) const
{
    return static_cast<int>(textsEqual(text).size());
}

std::vector<RecordingCanvas::Shape> RecordingCanvas::textsEqual(const QString& text) const
{
    std::vector<Shape> out;
    for (const Shape& s : m_shapes) {
        if (s.kind == Kind::Text && s.text == text) {
            out.push_back(s);
        }
    }
    return out;
}
