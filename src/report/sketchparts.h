#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

class SketchCanvas;

// Pieces shared by the sketches and the load diagrams.

// The value rounded to `decimals` places in its shortest form: 1.25 with 3 places is "1.25", 2 is "2".
QString shortRounded(double value, int decimals);

// Whole pixels, halves away from zero.
int px(double x);

// Places texts so that none covers another or runs off the canvas: a text that would overlap one already placed
// is left out, one that reaches past an edge is moved inside.
class LabelPlacer
{
public:
    explicit LabelPlacer(SketchCanvas& canvas)
        : m_canvas(canvas)
    { }

    // Draws the text with its top left at `topLeft` unless it would cover a placed text; true when drawn.
    bool place(QPoint topLeft, const QString& text);
    // The first of the places where the text fits; false when none does.
    bool placeFirst(const std::vector<QPoint>& topLefts, const QString& text);
    // Keeps the area free of later texts (a drawn symbol, a fixed label).
    void reserve(const QRect& area) { m_taken.push_back(area); }

private:
    SketchCanvas& m_canvas;
    std::vector<QRect> m_taken;
};

// A chain of dimensions along a horizontal line at y: the line from the first to the last position, a tick at
// every position and each text centred over its segment. A text wider than its segment goes under the line.
// Returns the lowest pixel row used, so that a chain below can keep clear of it.
int drawDimensionChain(SketchCanvas& canvas, int y, const std::vector<int>& xs, const std::vector<QString>& texts);

// The tick of a dimension chain: a vertical mark and a slash through it.
void drawDimensionTick(SketchCanvas& canvas, QPoint p);
