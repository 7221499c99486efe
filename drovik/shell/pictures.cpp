#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace pictures {
namespace {

// A transparent square of `size` pixels with what `draw` paints on it, smoothed.
template <class Draw>
QPixmap drawn(int size, Draw draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    {
        // Ended before the pixmap is handed out.
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    return pixmap;
}

} // namespace

QPixmap activity(bool online)
{
    return drawn(24, [&](QPainter &p) {
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(online ? QColor(40, 170, 60) : QColor(190, 190, 190));
        p.drawEllipse(2, 2, 20, 20);
    });
}

QPixmap lock()
{
    return drawn(24, [](QPainter &p) {
        p.setPen(QPen(QColor(150, 30, 30), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(7, 2, 10, 12, 0, 180 * 16);
        p.setBrush(QColor(200, 50, 50));
        p.drawRect(5, 10, 14, 11);
    });
}

QPixmap power_off()
{
    return drawn(24, [](QPainter &p) {
        p.setPen(QPen(QColor(200, 120, 0), 2.5));
        p.drawArc(4, 5, 16, 16, 120 * 16, 300 * 16);
        p.drawLine(12, 2, 12, 12);
    });
}

QPixmap product()
{
    return drawn(96, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 170));
        p.drawEllipse(4, 4, 88, 88);
        QPainterPath bolt;
        bolt.moveTo(54, 14);
        bolt.lineTo(30, 54);
        bolt.lineTo(48, 54);
        bolt.lineTo(40, 84);
        bolt.lineTo(68, 40);
        bolt.lineTo(50, 40);
        bolt.closeSubpath();
        p.setBrush(QColor(255, 210, 60));
        p.drawPath(bolt);
    });
}

} // namespace pictures
