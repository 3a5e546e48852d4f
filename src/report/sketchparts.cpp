#include "sketchparts.h"

#include "SketchCanvas.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>

QString shortRounded(double value, int decimals)
{
    const QString fixed = formatFixedDecimals(value, decimals);
    if (!fixed.contains(QLatin1Char('.'))) {
        return fixed;
    }
    QString s = fixed;
    while (s.endsWith(QLatin1Char('0'))) {
        s.chop(1);
    }
    if (s.endsWith(QLatin1Char('.'))) {
        s.chop(1);
    }
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

int px(double x)
{
    return static_cast<int>(std::lround(x));
}

bool LabelPlacer::placeFirst(const std::vector<QPoint>& topLefts, const QString& text)
{
    return std::any_of(topLefts.begin(), topLefts.end(), [&](QPoint p) { return place(p, text); });
}

bool LabelPlacer::place(QPoint topLeft, const QString& text)
{
    const QSize size = m_canvas.textSize(text);
    const QSize canvas = m_canvas.size();
    QPoint p = topLeft;
    p.setX(std::clamp(p.x(), 1, std::max(1, canvas.width() - size.width() - 1)));
    p.setY(std::clamp(p.y(), 0, std::max(0, canvas.height() - size.height())));
    const QRect box(p, size);
    // Neighbouring texts keep a pixel of white between them.
    const QRect probe = box.adjusted(-1, 0, 1, 0);
    for (const QRect& r : m_taken) {
        if (r.intersects(probe)) {
            return false;
        }
    }
    m_taken.push_back(box);
    m_canvas.text(p, text);
    return true;
}

void drawDimensionTick(SketchCanvas& canvas, QPoint p)
{
    canvas.line({p.x(), p.y() - 4}, {p.x(), p.y() + 5});
    canvas.line({p.x() + 3, p.y() - 3}, {p.x() - 3, p.y() + 3});
}

int drawDimensionChain(SketchCanvas& canvas, int y, const std::vector<int>& xs, const std::vector<QString>& texts)
{
    if (xs.size() < 2) {
        return y;
    }
    int bottom = y + 5;
    canvas.line({xs.front(), y}, {xs.back(), y});
    for (int x : xs) {
        drawDimensionTick(canvas, {x, y});
    }
    LabelPlacer labels(canvas);
    for (std::size_t i = 0; i + 1 < xs.size() && i < texts.size(); ++i) {
        const QSize size = canvas.textSize(texts[i]);
        const int left = xs[i] + (xs[i + 1] - xs[i] - size.width()) / 2;
        const bool fits = size.width() + 4 <= std::abs(xs[i + 1] - xs[i]);
        // A segment too short for its text has it written under the line, where the neighbours leave room.
        if (!fits && labels.place({left, y + 5}, texts[i])) {
            bottom = std::max(bottom, y + 5 + size.height());
        } else {
            labels.place({left, y - size.height()}, texts[i]);
        }
    }
    return bottom;
}
