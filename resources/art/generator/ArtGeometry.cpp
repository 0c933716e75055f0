#include "resources/art/generator/ArtGeometry.h"

#include <algorithm>
#include <cmath>

namespace ArtGeometry {

QPointF Polar(QPointF c, double r, double degrees) {
    const double a = degrees * kPi / 180.0;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
}

QPen RoundPen(const QColor& ink, double width) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QRectF Square(const QRectF& box) {
    const double s = std::min(box.width(), box.height());
    return QRectF(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
}

} // namespace ArtGeometry
