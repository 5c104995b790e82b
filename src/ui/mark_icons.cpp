#include "ui/mark_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace wayloom {

namespace {

// Drawn in a square of the icon's height at its left, leaving room before the text.
QImage DrawMarkIcon(ItnMark mark, bool large) {
    const QSize size = MarkIconSize(large);
    const qreal dpr = 2.0;  // drawn at twice the size so it stays sharp on high-density screens
    QImage pixmap(size * dpr, QImage::Format_ARGB32_Premultiplied);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size.height();
    const qreal x0 = (size.width() - s) / 2.0;
    const bool visited = (mark & VisitedBit) != 0;
    const bool destination = (mark & DestinationBit) != 0;
    const QColor ink = destination ? QColor(200, 30, 30) : QColor(30, 90, 200);
    const QColor fill = visited ? QColor(170, 170, 170) : ink;

    if (destination) {
        // A flag on a pole.
        p.setPen(QPen(QColor(60, 60, 60), s / 12.0));
        p.drawLine(QPointF(x0 + s * 0.3, s * 0.1), QPointF(x0 + s * 0.3, s * 0.92));
        QPainterPath flag;
        flag.moveTo(x0 + s * 0.32, s * 0.12);
        flag.lineTo(x0 + s * 0.88, s * 0.3);
        flag.lineTo(x0 + s * 0.32, s * 0.5);
        flag.closeSubpath();
        p.setPen(QPen(ink.darker(130), s / 20.0));
        p.setBrush(fill);
        p.drawPath(flag);
    } else {
        // A ring with a dot: a point to pass by.
        p.setPen(QPen(ink, s / 9.0));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x0 + s / 2, s / 2), s * 0.32, s * 0.32);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(QPointF(x0 + s / 2, s / 2), s * 0.14, s * 0.14);
    }
    if (visited) {
        QPainterPath tick;
        tick.moveTo(x0 + s * 0.45, s * 0.72);
        tick.lineTo(x0 + s * 0.62, s * 0.9);
        tick.lineTo(x0 + s * 0.98, s * 0.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 150, 40), s / 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
    }
    return pixmap;
}

}  // namespace

QSize MarkIconSize(bool large) { return large ? QSize(32, 24) : QSize(24, 16); }

const QImage& MarkIcon(ItnMark mark, bool large) {
    static std::array<QImage, 8> icons;
    const int slot = (mark & 3) + (large ? 4 : 0);
    if (icons[slot].isNull()) icons[slot] = DrawMarkIcon(mark & 3, large);
    return icons[slot];
}

}  // namespace wayloom
