#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QImage;
class QPainter;

// What the computed sketches and load diagrams draw with: lines, polylines, closed shapes, short texts placed by
// their top-left corner and measured before they are placed. Coordinates are whole pixels, y downwards.
class SketchCanvas
{
public:
    virtual ~SketchCanvas() = default;

    virtual QSize size() const = 0;

    // Pen width in pixels (0 means 1); the pen is black, solid unless dashed.
    virtual void setPenWidth(int px) = 0;
    virtual int penWidth() const = 0;
    virtual void setPenDashed(bool dashed) = 0;
    // Fill of closed shapes: none (outlines only) or a solid colour.
    virtual void setBrush(std::optional<QColor> colour) = 0;
    // Text height in pixels.
    virtual void setFontPixelSize(int px) = 0;
    virtual int fontPixelSize() const = 0;

    virtual void line(QPoint from, QPoint to) = 0;
    virtual void polyline(const std::vector<QPoint>& points) = 0;
    virtual void polygon(const std::vector<QPoint>& points) = 0;
    // The rectangle with corners `topLeft` and `bottomRight` (both on its outline).
    virtual void rectangle(QPoint topLeft, QPoint bottomRight) = 0;
    virtual void circle(QPoint centre, int radius) = 0;
    virtual void text(QPoint topLeft, const QString& text) = 0;
    virtual QSize textSize(const QString& text) const = 0;
};

// A canvas on an image, painted with QPainter.
class PainterCanvas : public SketchCanvas
{
public:
    explicit PainterCanvas(QImage& image);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    QSize size() const override { return m_size; }
    void setPenWidth(int px) override;
    int penWidth() const override { return m_penWidth; }
    void setPenDashed(bool dashed) override;
    void setBrush(std::optional<QColor> colour) override;
    void setFontPixelSize(int px) override;
    int fontPixelSize() const override { return m_font.pixelSize(); }

    void line(QPoint from, QPoint to) override;
    void polyline(const std::vector<QPoint>& points) override;
    void polygon(const std::vector<QPoint>& points) override;
    void rectangle(QPoint topLeft, QPoint bottomRight) override;
    void circle(QPoint centre, int radius) override;
    void text(QPoint topLeft, const QString& text) override;
    QSize textSize(const QString& text) const override;

private:
    void applyPen();

    QSize m_size;
    std::unique_ptr<QPainter> m_painter;
    QFont m_font;
    int m_penWidth = 1;
    bool m_dashed = false;
};

// The face and size the sketches' labels are painted in.
QFont sketchFont(int pixelSize);

// A canvas that keeps a record of every primitive instead of pixels, so tests assert on what a sketch draws.
// By default texts measure half their pixel size per ASCII character and their full size per other character,
// and are one pixel size plus two high, so positions can be worked out by hand; with `Metrics::Painted` they
// measure as PainterCanvas paints them.
class RecordingCanvas : public SketchCanvas
{
public:
    enum class Metrics { Fixed, Painted };
    enum class Kind { Line, Polyline, Polygon, Rectangle, Circle, Text };
    struct Shape
    {
        Kind kind;
        std::vector<QPoint> points; // line: both ends; rectangle: both corners; circle: the centre; text: top left
        QString text;               // texts only
        int radius = 0;             // circles only
        int penWidth = 1;
        bool dashed = false;
        std::optional<QColor> brush;
        int fontPixelSize = 0;
        QSize extent; // texts only: the measured size
    };

    explicit RecordingCanvas(QSize size, Metrics metrics = Metrics::Fixed);

    QSize size() const override { return m_size; }
    void setPenWidth(int px) override { m_penWidth = px <= 0 ? 1 : px; }
    int penWidth() const override { return m_penWidth; }
    void setPenDashed(bool dashed) override { m_dashed = dashed; }
    void setBrush(std::optional<QColor> colour) override { m_brush = colour; }
    void setFontPixelSize(int px) override { m_fontPixelSize = px; }
    int fontPixelSize() const override { return m_fontPixelSize; }

    void line(QPoint from, QPoint to) override { add(Kind::Line, {from, to}); }
    void polyline(const std::vector<QPoint>& points) override { add(Kind::Polyline, points); }
    void polygon(const std::vector<QPoint>& points) override { add(Kind::Polygon, points); }
    void rectangle(QPoint topLeft, QPoint bottomRight) override { add(Kind::Rectangle, {topLeft, bottomRight}); }
    void circle(QPoint centre, int radius) override;
    void text(QPoint topLeft, const QString& text) override;
    QSize textSize(const QString& text) const override;

    const std::vector<Shape>& shapes() const { return m_shapes; }
    std::vector<Shape> shapesOf(Kind kind) const;
    // The texts in drawing order.
    std::vector<QString> texts() const;
    int count(Kind kind) const;
    int countText(const QString& text) const;
    // The drawn texts equal to `text`, in drawing order.
    std::vector<Shape> textsEqual(const QString& text) const;
    // The box a recorded text covers.
    static QRect textBox(const Shape& text) { return {text.points.front(), text.extent}; }

private:
    void add(Kind kind, std::vector<QPoint> points);

    QSize m_size;
    Metrics m_metrics;
    std::vector<Shape> m_shapes;
    int m_penWidth = 1;
    bool m_dashed = false;
    std::optional<QColor> m_brush;
    int m_fontPixelSize = 12;
};
