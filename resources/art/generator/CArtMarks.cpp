#include "resources/art/generator/CArtMarks.h"

#include "resources/art/generator/ArtGeometry.h"
#include "resources/art/generator/CArtPalette.h"

#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

namespace {

using P = CArtPalette;

using ArtGeometry::Square;

} // namespace

void CArtMarks::Arrow(QPainter& p, const QRectF& box, Direction direction, const QColor& ink) {
    const QRectF sq = Square(box);
    const QPointF c = sq.center();
    // Slightly narrower than high, so the arrows read as pointers, not wedges.
    const double h = sq.height() / 2;
    const double w = sq.width() * 0.43;
    QPolygonF tri;
    switch (direction) {
    case Direction::kLeft:
        tri << QPointF(c.x() - w, c.y()) << QPointF(c.x() + w, c.y() - h)
            << QPointF(c.x() + w, c.y() + h);
        break;
    case Direction::kRight:
        tri << QPointF(c.x() + w, c.y()) << QPointF(c.x() - w, c.y() - h)
            << QPointF(c.x() - w, c.y() + h);
        break;
    case Direction::kDown:
        tri << QPointF(c.x(), c.y() + w) << QPointF(c.x() - h, c.y() - w)
            << QPointF(c.x() + h, c.y() - w);
        break;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPolygon(tri);
    p.restore();
}

void CArtMarks::Magnifier(QPainter& p, const QRectF& box, bool plus, const QColor& ink,
                          const QColor& lens) {
    const QRectF sq = Square(box);
    const double s = sq.width();
    const QRectF glass(sq.left() + 0.06 * s, sq.top() + 0.06 * s, 0.62 * s, 0.62 * s);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, std::max(2.0, s * 0.13), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(sq.left() + 0.62 * s, sq.top() + 0.62 * s),
               QPointF(sq.left() + 0.9 * s, sq.top() + 0.9 * s));
    p.setPen(QPen(ink, std::max(1.5, s * 0.09)));
    p.setBrush(lens);
    p.drawEllipse(glass);
    const QPointF c = glass.center();
    const double arm = glass.width() * 0.26;
    p.setPen(QPen(ink, std::max(1.5, s * 0.1), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    if (plus) {
        p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
    }
    p.restore();
}

void CArtMarks::Badge(QPainter& p, const QRectF& box, const QString& glyph, const QColor& fill,
                      const QColor& ink) {
    const QRectF sq = Square(box);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(P::Deep(fill, 0.25), 1.2));
    p.setBrush(fill);
    p.drawEllipse(sq.adjusted(1, 1, -1, -1));
    p.setFont(P::Font(int(sq.height() * 0.62), true));
    p.setPen(ink);
    p.drawText(sq, Qt::AlignCenter, glyph);
    p.restore();
}

void CArtMarks::Leaf(QPainter& p, const QRectF& box, bool lit) {
    const QRectF sq = Square(box).adjusted(0.5, 0.5, -0.5, -0.5);
    const double s = sq.width();
    auto at = [&sq, s](double fx, double fy) {
        return QPointF(sq.left() + fx * s, sq.top() + fy * s);
    };
    // Tip at the upper right, stalk at the lower left.
    QPainterPath leaf;
    leaf.moveTo(at(0.12, 0.88));
    leaf.cubicTo(at(0.02, 0.45), at(0.35, 0.08), at(0.94, 0.06));
    leaf.cubicTo(at(0.92, 0.62), at(0.55, 0.98), at(0.12, 0.88));
    leaf.closeSubpath();
    const QColor green(112, 178, 92);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (lit) {
        QLinearGradient fill(at(0.1, 0.9), at(0.9, 0.1));
        fill.setColorAt(0.0, P::Mix(green, P::kText, 0.15));
        fill.setColorAt(1.0, P::Mix(green, P::kWhite, 0.35));
        p.setPen(QPen(P::Mix(green, P::kText, 0.35), 1.0));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(P::Mix(green, P::kDialog, 0.7), 1.0));
        p.setBrush(P::Mix(P::kGreyBlue, P::kWhite, 0.5));
    }
    p.drawPath(leaf);
    p.setPen(QPen(lit ? P::Mix(green, P::kWhite, 0.6) : P::Mix(green, P::kDialog, 0.75), 1.0,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at(0.2, 0.8), at(0.78, 0.22));
    p.restore();
}
