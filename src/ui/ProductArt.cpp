#include "ProductArt.h"

#include <QPainter>
#include <QPainterPath>

QPixmap productEmblem(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();

    // Scaffold frame: two standing tubes, ledgers and a brace.
    QPen tube(QColor(70, 80, 95), std::max(1.5, w / 40));
    p.setPen(tube);
    p.drawLine(QPointF(w * 0.12, h * 0.06), QPointF(w * 0.12, h * 0.94));
    p.drawLine(QPointF(w * 0.88, h * 0.06), QPointF(w * 0.88, h * 0.94));
    for (double y : {0.22, 0.5, 0.78}) {
        p.drawLine(QPointF(w * 0.06, h * y), QPointF(w * 0.94, h * y));
    }
    p.setPen(QPen(QColor(70, 80, 95, 120), std::max(1.0, w / 60)));
    p.drawLine(QPointF(w * 0.12, h * 0.94), QPointF(w * 0.88, h * 0.22));

    // The spruce in front.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 120, 70));
    for (int tier = 0; tier < 3; ++tier) {
        const double top = h * (0.08 + 0.2 * tier);
        const double base = top + h * 0.34;
        const double half = w * (0.18 + 0.07 * tier);
        QPainterPath path;
        path.moveTo(w * 0.5, top);
        path.lineTo(w * 0.5 + half, base);
        path.lineTo(w * 0.5 - half, base);
        path.closeSubpath();
        p.drawPath(path);
    }
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(w * 0.46, h * 0.82, w * 0.08, h * 0.12));
    return pixmap;
}
