#include "resources/art/generator/CSeasonMotifs.h"

#include "resources/art/generator/ArtGeometry.h"
#include "resources/art/generator/CArtPalette.h"

#include <QPainterPath>

#include <cmath>

namespace {

using P = CArtPalette;

using namespace ArtGeometry;

} // namespace

void CSeasonMotifs::Snowflake(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(RoundPen(ink, std::max(1.2, r * 0.12)));
    for (int i = 0; i < 6; ++i) {
        const double a = i * 60.0;
        const QPointF tip = Polar({}, r, a);
        p.drawLine(QPointF(), tip);
        // Two small branches on each arm, as the crystal grows them.
        for (double at : {0.45, 0.7}) {
            const QPointF root = Polar({}, r * at, a);
            const double len = r * (at < 0.5 ? 0.32 : 0.22);
            p.drawLine(root, Polar(root, len, a + 45));
            p.drawLine(root, Polar(root, len, a - 45));
        }
    }
}

void CSeasonMotifs::Blossom(QPainter& p, QPointF c, double r, const QColor& petal,
                            const QColor& heart, double angle, bool notched) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const double a = -90 + i * 72.0;
        if (!notched) {
            p.drawEllipse(Polar({}, r * 0.52, a), r * 0.5, r * 0.5);
            continue;
        }
        // A cherry petal: round at the heart, a small notch at its tip.
        p.save();
        p.rotate(a + 90);
        QPainterPath shape;
        shape.moveTo(0, 0);
        shape.cubicTo(-r * 0.55, -r * 0.25, -r * 0.5, -r * 0.95, -r * 0.14, -r * 1.0);
        shape.lineTo(0, -r * 0.84);
        shape.lineTo(r * 0.14, -r * 1.0);
        shape.cubicTo(r * 0.5, -r * 0.95, r * 0.55, -r * 0.25, 0, 0);
        p.drawPath(shape);
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(QPointF(), r * 0.2, r * 0.2);
    p.setPen(RoundPen(heart, std::max(0.8, r * 0.06)));
    for (int i = 0; i < 5; ++i) {
        const double a = -54 + i * 72.0;
        p.drawLine(Polar({}, r * 0.2, a), Polar({}, r * 0.42, a));
    }
}

void CSeasonMotifs::Petal(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath shape;
    shape.moveTo(0, r);
    shape.cubicTo(-r * 0.9, r * 0.3, -r * 0.6, -r * 0.9, -r * 0.15, -r);
    shape.lineTo(0, -r * 0.78);
    shape.lineTo(r * 0.15, -r);
    shape.cubicTo(r * 0.6, -r * 0.9, r * 0.9, r * 0.3, 0, r);
    p.drawPath(shape);
}

void CSeasonMotifs::Camellia(QPainter& p, QPointF c, double r, const QColor& petal, double angle) {
    {
        Frame f(p, c, angle);
        p.setPen(Qt::NoPen);
        // Two dark leaves behind the flower.
        const QColor green = P::Mix(QColor(60, 120, 80), petal, 0.35);
        p.setBrush(green);
        for (double a : {200.0, 320.0}) {
            p.save();
            p.rotate(a);
            QPainterPath leaf;
            leaf.moveTo(r * 0.5, 0);
            leaf.cubicTo(r * 0.9, -r * 0.45, r * 1.5, -r * 0.3, r * 1.75, 0);
            leaf.cubicTo(r * 1.5, r * 0.3, r * 0.9, r * 0.45, r * 0.5, 0);
            p.drawPath(leaf);
            p.restore();
        }
        p.setBrush(petal);
        for (int i = 0; i < 5; ++i) {
            p.drawEllipse(Polar({}, r * 0.45, -90 + i * 72.0), r * 0.55, r * 0.55);
        }
        p.setBrush(P::Mix(petal, P::kText, 0.08));
        p.drawEllipse(QPointF(), r * 0.5, r * 0.5);
    }
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 214, 120));
    p.drawEllipse(QPointF(), r * 0.26, r * 0.26);
}

void CSeasonMotifs::Leaf(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath shape;
    shape.moveTo(-r, 0);
    shape.cubicTo(-r * 0.4, -r * 0.5, r * 0.4, -r * 0.45, r, 0);
    shape.cubicTo(r * 0.4, r * 0.45, -r * 0.4, r * 0.5, -r, 0);
    p.drawPath(shape);
    p.setPen(RoundPen(P::Mix(ink, P::kWhite, 0.4), std::max(0.8, r * 0.08)));
    p.drawLine(QPointF(-r * 0.85, 0), QPointF(r * 0.8, 0));
}

void CSeasonMotifs::Maple(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // Seven pointed lobes, the upper ones longest, as the leaf of the Japanese maple.
    const double lengths[7] = {0.55, 0.85, 1.0, 1.05, 1.0, 0.85, 0.55};
    QPainterPath shape;
    for (int i = 0; i < 7; ++i) {
        const double a = 180 + 15 + i * 25.0;
        const QPointF tip = Polar({}, r * lengths[i], a);
        const QPointF inner = Polar({}, r * 0.38, a + 12.5);
        if (i == 0) {
            shape.moveTo(Polar({}, r * 0.25, a - 12.5));
        }
        // Broad lobes narrowing to a point, with shallow teeth on the way.
        shape.lineTo(Polar({}, r * lengths[i] * 0.5, a - 11));
        shape.lineTo(Polar({}, r * lengths[i] * 0.78, a - 6));
        shape.lineTo(tip);
        shape.lineTo(Polar({}, r * lengths[i] * 0.78, a + 6));
        shape.lineTo(Polar({}, r * lengths[i] * 0.5, a + 11));
        shape.lineTo(inner);
    }
    shape.closeSubpath();
    p.drawPath(shape);
    p.setPen(RoundPen(ink, std::max(1.0, r * 0.08)));
    p.drawLine(QPointF(0, 0), QPointF(0, r * 0.55));
}

void CSeasonMotifs::Ginkgo(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    // A fan opening upwards from the stalk, with the notch in its middle.
    QPainterPath fan;
    fan.moveTo(0, r * 0.35);
    fan.lineTo(Polar(QPointF(0, r * 0.35), r * 1.1, -150));
    fan.cubicTo(Polar(QPointF(0, r * 0.35), r * 1.3, -130), QPointF(-r * 0.3, -r * 0.95),
                QPointF(-r * 0.05, -r * 0.8));
    fan.lineTo(QPointF(0, -r * 0.5));
    fan.lineTo(QPointF(r * 0.05, -r * 0.8));
    fan.cubicTo(QPointF(r * 0.3, -r * 0.95), Polar(QPointF(0, r * 0.35), r * 1.3, -50),
                Polar(QPointF(0, r * 0.35), r * 1.1, -30));
    fan.closeSubpath();
    p.drawPath(fan);
    p.setPen(RoundPen(ink, std::max(1.0, r * 0.09)));
    p.drawLine(QPointF(0, r * 0.3), QPointF(r * 0.1, r * 1.0));
}

void CSeasonMotifs::Raindrop(QPainter& p, QPointF c, double r, const QColor& ink) {
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath drop;
    drop.moveTo(0, -r);
    drop.cubicTo(r * 0.25, -r * 0.4, r * 0.55, 0, r * 0.55, r * 0.4);
    drop.cubicTo(r * 0.55, r * 0.8, -r * 0.55, r * 0.8, -r * 0.55, r * 0.4);
    drop.cubicTo(-r * 0.55, 0, -r * 0.25, -r * 0.4, 0, -r);
    p.drawPath(drop);
}

void CSeasonMotifs::Hydrangea(QPainter& p, QPointF c, double r, const QColor& ink, unsigned seed) {
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    // Florets on a sunflower spiral fill the head evenly; their tints vary a
    // little the way one head fades from blue to violet.
    const int count = 26;
    for (int i = count - 1; i >= 0; --i) {
        const double d = r * 0.78 * std::sqrt((i + 0.5) / count);
        const double a = i * 137.5 + seed * 31.0;
        const QPointF at = Polar({}, d, a);
        const double t = 0.5 + 0.5 * std::sin(i * 1.7 + seed);
        const QColor tint = P::Mix(ink, P::Mix(ink, QColor(190, 160, 220), 0.6), t * 0.7);
        const double s = r * 0.2;
        p.setBrush(tint);
        for (int k = 0; k < 4; ++k) {
            p.drawEllipse(Polar(at, s * 0.55, a + k * 90), s * 0.5, s * 0.5);
        }
        p.setBrush(P::Mix(tint, P::kWhite, 0.6));
        p.drawEllipse(at, s * 0.18, s * 0.18);
    }
}

void CSeasonMotifs::MorningGlory(QPainter& p, QPointF c, double r, const QColor& ink,
                                 double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(), r, r);
    // The pale star of the five folds and the white throat.
    p.setBrush(P::Mix(ink, P::kWhite, 0.55));
    QPainterPath star;
    for (int i = 0; i < 5; ++i) {
        const double a = -90 + i * 72.0;
        const QPointF tip = Polar({}, r * 0.95, a);
        if (i == 0) {
            star.moveTo(tip);
        } else {
            star.lineTo(tip);
        }
        star.lineTo(Polar({}, r * 0.3, a + 36));
    }
    star.closeSubpath();
    p.drawPath(star);
    p.setBrush(P::kWhite);
    p.drawEllipse(QPointF(), r * 0.3, r * 0.3);
}

void CSeasonMotifs::Firework(QPainter& p, QPointF c, double r, const QColor& ink) {
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const int rays = 18;
    for (int i = 0; i < rays; ++i) {
        const double a = i * 360.0 / rays;
        for (int k = 2; k <= 6; ++k) {
            const double at = r * k / 6.0;
            p.drawEllipse(Polar({}, at, a), r * 0.025 * k, r * 0.025 * k);
        }
    }
    p.setBrush(P::Mix(ink, P::kWhite, 0.5));
    for (int i = 0; i < rays / 2; ++i) {
        p.drawEllipse(Polar({}, r * 0.45, i * 40.0 + 10), r * 0.06, r * 0.06);
    }
}

void CSeasonMotifs::Moon(QPainter& p, QPointF c, double r, const QColor& ink) {
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(), r * 1.6);
    glow.setColorAt(0.0, P::Mix(ink, P::kWhite, 0.5));
    glow.setColorAt(0.6, QColor(255, 255, 255, 0));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(), r * 1.6, r * 1.6);
    p.setBrush(ink);
    p.drawEllipse(QPointF(), r, r);
    // Soft patches of the maria.
    p.setBrush(P::Mix(ink, QColor(200, 180, 120), 0.25));
    p.drawEllipse(QPointF(-r * 0.3, -r * 0.2), r * 0.22, r * 0.18);
    p.drawEllipse(QPointF(r * 0.25, r * 0.25), r * 0.16, r * 0.13);
}

void CSeasonMotifs::Pampas(QPainter& p, QPointF base, double h, double lean, const QColor& stalk,
                           const QColor& plume) {
    Frame f(p, base, 0);
    const QPointF tip(lean, -h);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.quadTo(0, -h * 0.6, tip.x(), tip.y());
    p.setPen(RoundPen(stalk, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    // Two long blades from the foot.
    p.setPen(RoundPen(stalk, 1.3));
    QPainterPath blade;
    blade.moveTo(0, 0);
    blade.quadTo(-h * 0.05, -h * 0.35, -h * 0.28, -h * 0.45);
    blade.moveTo(0, 0);
    blade.quadTo(h * 0.08, -h * 0.3, h * 0.3, -h * 0.32);
    p.drawPath(blade);
    // The plume: soft strands hanging from the upper third of the stalk.
    p.setPen(RoundPen(plume, 2.2));
    for (int i = 0; i < 9; ++i) {
        const double t = 0.68 + i * 0.035;
        const QPointF at = stem.pointAtPercent(t);
        const double side = (i % 2 == 0 ? 1 : -1) * h * 0.07;
        QPainterPath strand;
        strand.moveTo(at);
        strand.quadTo(at + QPointF(side + lean * 0.08, -h * 0.02),
                      at + QPointF(side * 1.6 + lean * 0.12, h * 0.05));
        p.drawPath(strand);
    }
}

void CSeasonMotifs::Dragonfly(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(P::Mix(ink, P::kWhite, 0.6));
    for (double y : {-0.25, 0.05}) {
        p.drawEllipse(QRectF(-r * 0.95, r * y - r * 0.1, r * 0.85, r * 0.2));
        p.drawEllipse(QRectF(r * 0.1, r * y - r * 0.1, r * 0.85, r * 0.2));
    }
    p.setPen(RoundPen(ink, std::max(1.2, r * 0.12)));
    p.drawLine(QPointF(0, -r * 0.35), QPointF(0, r * 0.95));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(0, -r * 0.4), r * 0.12, r * 0.12);
}

void CSeasonMotifs::Tulip(QPainter& p, QPointF base, double h, const QColor& flower,
                          const QColor& green) {
    Frame f(p, base, 0);
    p.setPen(RoundPen(green, 2.0));
    p.drawLine(QPointF(0, 0), QPointF(0, -h * 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(-h * 0.25, -h * 0.1, -h * 0.3, -h * 0.35, -h * 0.18, -h * 0.5);
    leaf.cubicTo(-h * 0.12, -h * 0.3, -h * 0.05, -h * 0.12, 0, 0);
    p.drawPath(leaf);
    p.setBrush(flower);
    const double w = h * 0.17;
    QPainterPath cup;
    cup.moveTo(-w, -h * 0.95);
    cup.lineTo(-w * 0.45, -h * 0.82);
    cup.lineTo(0, -h * 0.97);
    cup.lineTo(w * 0.45, -h * 0.82);
    cup.lineTo(w, -h * 0.95);
    cup.cubicTo(w * 1.1, -h * 0.72, w * 0.7, -h * 0.65, 0, -h * 0.65);
    cup.cubicTo(-w * 0.7, -h * 0.65, -w * 1.1, -h * 0.72, -w, -h * 0.95);
    p.drawPath(cup);
}

void CSeasonMotifs::Butterfly(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QRectF(-r, -r * 0.85, r * 0.95, r * 0.95));
    p.drawEllipse(QRectF(r * 0.05, -r * 0.85, r * 0.95, r * 0.95));
    p.setBrush(P::Mix(ink, P::kWhite, 0.35));
    p.drawEllipse(QRectF(-r * 0.75, r * 0.02, r * 0.7, r * 0.7));
    p.drawEllipse(QRectF(r * 0.05, r * 0.02, r * 0.7, r * 0.7));
    p.setPen(RoundPen(P::Deep(ink, 0.4), std::max(1.0, r * 0.12)));
    p.drawLine(QPointF(0, -r * 0.6), QPointF(0, r * 0.6));
    p.setPen(RoundPen(P::Deep(ink, 0.4), 1.0));
    p.drawLine(QPointF(0, -r * 0.6), QPointF(-r * 0.3, -r * 1.05));
    p.drawLine(QPointF(0, -r * 0.6), QPointF(r * 0.3, -r * 1.05));
}

void CSeasonMotifs::Iris(QPainter& p, QPointF base, double h, const QColor& flower,
                         const QColor& green) {
    Frame f(p, base, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    // Sword leaves standing around the stalk.
    for (double lean : {-0.2, -0.08, 0.1, 0.22}) {
        QPainterPath blade;
        blade.moveTo(-h * 0.03, 0);
        blade.quadTo(lean * h * 0.3, -h * 0.4, lean * h, -h * (0.75 + std::abs(lean)));
        blade.quadTo(lean * h * 0.3 + h * 0.05, -h * 0.4, h * 0.03, 0);
        p.drawPath(blade);
    }
    p.setPen(RoundPen(green, 1.6));
    p.drawLine(QPointF(0, 0), QPointF(0, -h * 0.85));
    p.setPen(Qt::NoPen);
    p.setBrush(flower);
    const QPointF top(0, -h * 0.9);
    for (double a : {-30.0, 210.0, 90.0}) {
        p.save();
        p.translate(top);
        p.rotate(a);
        p.drawEllipse(QRectF(0, -h * 0.05, h * 0.17, h * 0.1));
        p.restore();
    }
    p.drawEllipse(QRectF(-h * 0.05, -h * 1.05, h * 0.1, h * 0.16));
    p.setBrush(QColor(240, 210, 110));
    p.drawEllipse(top + QPointF(0, h * 0.04), h * 0.02, h * 0.04);
}

void CSeasonMotifs::Sunflower(QPainter& p, QPointF c, double r, const QColor& petal,
                              const QColor& heart) {
    Frame f(p, c, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int i = 0; i < 16; ++i) {
        p.save();
        p.rotate(i * 22.5);
        p.drawEllipse(QRectF(r * 0.35, -r * 0.14, r * 0.65, r * 0.28));
        p.restore();
    }
    p.setBrush(heart);
    p.drawEllipse(QPointF(), r * 0.45, r * 0.45);
    p.setBrush(P::Mix(heart, P::kWhite, 0.2));
    for (int i = 0; i < 10; ++i) {
        p.drawEllipse(Polar({}, r * 0.25, i * 36.0), r * 0.05, r * 0.05);
    }
}

void CSeasonMotifs::SnowyFir(QPainter& p, QPointF base, double h, const QColor& green,
                             const QColor& snow) {
    Frame f(p, base, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(P::Mix(green, QColor(120, 90, 70), 0.4));
    p.drawRect(QRectF(-h * 0.04, -h * 0.12, h * 0.08, h * 0.12));
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = -h * (0.1 + tier * 0.26);
        const double half = h * (0.32 - tier * 0.07);
        const double top = bottom - h * 0.36;
        QPainterPath tri;
        tri.moveTo(-half, bottom);
        tri.lineTo(0, top);
        tri.lineTo(half, bottom);
        tri.closeSubpath();
        p.setBrush(green);
        p.drawPath(tri);
        // Snow lies on the upper half of each tier in soft scallops.
        QPainterPath cap;
        cap.moveTo(-half * 0.55, bottom - h * 0.17);
        cap.lineTo(0, top);
        cap.lineTo(half * 0.55, bottom - h * 0.17);
        cap.quadTo(half * 0.3, bottom - h * 0.1, 0, bottom - h * 0.15);
        cap.quadTo(-half * 0.3, bottom - h * 0.1, -half * 0.55, bottom - h * 0.17);
        p.setBrush(snow);
        p.drawPath(cap);
    }
}

void CSeasonMotifs::Acorn(QPainter& p, QPointF c, double r, const QColor& nut, const QColor& cap,
                          double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(nut);
    p.drawEllipse(QRectF(-r * 0.55, -r * 0.55, r * 1.1, r * 1.5));
    p.setBrush(cap);
    p.drawChord(QRectF(-r * 0.65, -r * 0.85, r * 1.3, r * 0.95), 0, 180 * 16);
    p.setPen(RoundPen(cap, std::max(1.0, r * 0.15)));
    p.drawLine(QPointF(0, -r * 0.4), QPointF(r * 0.1, -r * 0.65));
}
