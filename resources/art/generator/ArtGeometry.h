#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <numbers>

// The geometry the painters share: points by angle around a centre, the
// round pen of the motifs' strokes, the square inside a box and the turned
// frame a motif draws in.
namespace ArtGeometry {

inline constexpr double kPi = std::numbers::pi;

// The point `r` from `c` at `degrees` (0 to the right, growing clockwise on
// the screen).
QPointF Polar(QPointF c, double r, double degrees);

// A solid pen of `width` with round caps and joins.
QPen RoundPen(const QColor& ink, double width);

// The square of side `box`'s smaller edge, centred in it.
QRectF Square(const QRectF& box);

// For its lifetime the painter draws anti-aliased around `c`, turned by
// `angle` degrees; its state comes back afterwards.
class Frame {
public:
    Frame(QPainter& p, QPointF c, double angle = 0) : m_p(p) {
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.translate(c);
        m_p.rotate(angle);
    }
    ~Frame() { m_p.restore(); }
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

private:
    QPainter& m_p;
};

} // namespace ArtGeometry
