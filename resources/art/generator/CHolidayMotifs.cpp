#include "resources/art/generator/CHolidayMotifs.h"

#include "resources/art/generator/ArtGeometry.h"
#include "resources/art/generator/CArtPalette.h"

#include <QPainterPath>

#include <cmath>

namespace {

using P = CArtPalette;

using namespace ArtGeometry;

} // namespace

void CHolidayMotifs::Sunrise(QPainter& p, QPointF c, double r, double horizonY, const QColor& ink) {
    Frame f(p, c);
    p.setClipRect(QRectF(-r * 3, -r * 3, r * 6, horizonY - c.y() + r * 3));
    QRadialGradient glow(QPointF(), r * 2.4);
    glow.setColorAt(0.0, P::Mix(ink, P::kWhite, 0.45));
    glow.setColorAt(0.45, QColor(255, 255, 255, 0));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(), r * 2.4, r * 2.4);
    p.setBrush(ink);
    p.drawEllipse(QPointF(), r, r);
}

void CHolidayMotifs::Cloud(QPainter& p, QPointF c, double w, const QColor& ink) {
    Frame f(p, c);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double h = w * 0.12;
    p.drawRoundedRect(QRectF(-w * 0.5, 0, w, h), h / 2, h / 2);
    p.drawRoundedRect(QRectF(-w * 0.3, -h * 0.9, w * 0.55, h), h / 2, h / 2);
    p.drawRoundedRect(QRectF(-w * 0.1, h * 0.9, w * 0.5, h), h / 2, h / 2);
}

void CHolidayMotifs::PineSprig(QPainter& p, QPointF root, QPointF tip, const QColor& ink) {
    Frame f(p, QPointF());
    p.setPen(RoundPen(P::Mix(ink, QColor(120, 90, 70), 0.5), 2.2));
    p.drawLine(root, tip);
    p.setPen(RoundPen(ink, 1.3));
    // Fans of needles at the tip and along the twig.
    for (int k = 0; k < 4; ++k) {
        const double t = 0.4 + k * 0.2;
        const QPointF at = root + (tip - root) * t;
        const double r = 12 + k * 2;
        const double base = std::atan2(tip.y() - root.y(), tip.x() - root.x()) * 180 / kPi;
        for (int i = -4; i <= 4; ++i) {
            p.drawLine(at, Polar(at, r, base - 90 + i * 11));
            p.drawLine(at, Polar(at, r * 0.85, base + 90 + i * 11));
        }
    }
}

void CHolidayMotifs::HinaPair(QPainter& p, QPointF base, double h, const QColor& robeLeft,
                              const QColor& robeRight, const QColor& dais) {
    Frame f(p, base);
    p.setPen(Qt::NoPen);
    // The dais with its red cloth.
    p.setBrush(dais);
    p.drawRect(QRectF(-h * 0.75, -h * 0.12, h * 1.5, h * 0.12));
    p.setBrush(P::Mix(dais, P::kWhite, 0.35));
    p.drawRect(QRectF(-h * 0.75, -h * 0.14, h * 1.5, h * 0.03));
    const QColor face = QColor(255, 247, 240);
    const QColor hair = P::Mix(QColor(60, 60, 70), P::kWhite, 0.35);
    for (int side = 0; side < 2; ++side) {
        const double x = side == 0 ? -h * 0.33 : h * 0.33;
        const QColor robe = side == 0 ? robeLeft : robeRight;
        // A wide robe like a bell, layered at the collar.
        QPainterPath body;
        body.moveTo(x - h * 0.3, -h * 0.14);
        body.cubicTo(x - h * 0.3, -h * 0.45, x - h * 0.12, -h * 0.6, x, -h * 0.6);
        body.cubicTo(x + h * 0.12, -h * 0.6, x + h * 0.3, -h * 0.45, x + h * 0.3, -h * 0.14);
        body.closeSubpath();
        p.setBrush(robe);
        p.drawPath(body);
        p.setBrush(P::Mix(robe, P::kWhite, 0.45));
        QPainterPath collar;
        collar.moveTo(x - h * 0.09, -h * 0.6);
        collar.lineTo(x, -h * 0.42);
        collar.lineTo(x + h * 0.09, -h * 0.6);
        collar.closeSubpath();
        p.drawPath(collar);
        p.setBrush(face);
        p.drawEllipse(QPointF(x, -h * 0.7), h * 0.1, h * 0.11);
        p.setBrush(hair);
        if (side == 0) {
            // The emperor's tall cap.
            p.drawChord(QRectF(x - h * 0.1, -h * 0.83, h * 0.2, h * 0.16), 0, 180 * 16);
            p.drawRoundedRect(QRectF(x - h * 0.03, -h * 0.98, h * 0.06, h * 0.2), 2, 2);
            p.setBrush(P::Mix(QColor(200, 170, 90), P::kWhite, 0.3));
            p.drawRoundedRect(QRectF(x + h * 0.14, -h * 0.5, h * 0.03, h * 0.22), 1, 1);
        } else {
            // The empress's long hair and small crown.
            p.drawChord(QRectF(x - h * 0.11, -h * 0.83, h * 0.22, h * 0.18), 0, 180 * 16);
            p.drawRect(QRectF(x - h * 0.115, -h * 0.74, h * 0.035, h * 0.16));
            p.drawRect(QRectF(x + h * 0.08, -h * 0.74, h * 0.035, h * 0.16));
            p.setBrush(P::Mix(QColor(220, 180, 80), P::kWhite, 0.25));
            p.drawRect(QRectF(x - h * 0.06, -h * 0.86, h * 0.12, h * 0.03));
            for (int i = -1; i <= 1; ++i) {
                p.drawEllipse(QPointF(x + i * h * 0.045, -h * 0.875), h * 0.012, h * 0.012);
            }
        }
    }
}

void CHolidayMotifs::Bonbori(QPainter& p, QPointF base, double h, const QColor& ink) {
    Frame f(p, base);
    p.setPen(RoundPen(P::Mix(QColor(60, 50, 45), P::kWhite, 0.35), 2.0));
    p.drawLine(QPointF(0, 0), QPointF(0, -h * 0.6));
    p.drawLine(QPointF(-h * 0.12, 0), QPointF(h * 0.12, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QRectF(-h * 0.16, -h * 0.98, h * 0.32, h * 0.42));
    p.setBrush(P::Mix(QColor(200, 80, 80), P::kWhite, 0.3));
    p.drawRect(QRectF(-h * 0.1, -h * 1.0, h * 0.2, h * 0.04));
    p.drawRect(QRectF(-h * 0.1, -h * 0.58, h * 0.2, h * 0.04));
    p.setBrush(P::Mix(QColor(240, 150, 160), P::kWhite, 0.3));
    p.drawEllipse(QPointF(0, -h * 0.77), h * 0.06, h * 0.06);
}

void CHolidayMotifs::Carp(QPainter& p, QPointF mouth, double len, const QColor& body,
                          const QColor& belly, double phase) {
    Frame f(p, mouth);
    const double h = len * 0.3;
    auto wave = [&](double t) { return std::sin(t * kPi * 1.6 + phase) * h * 0.18 * t; };
    // The body tapers from the round mouth to a forked tail, waving in the wind.
    QPainterPath shape;
    shape.moveTo(0, -h / 2);
    const int steps = 12;
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        shape.lineTo(t * len * 0.82, -h / 2 * (1 - 0.45 * t) + wave(t));
    }
    shape.lineTo(len, -h * 0.45 + wave(1.0));
    shape.lineTo(len * 0.9, wave(1.0));
    shape.lineTo(len, h * 0.45 + wave(1.0));
    for (int i = steps; i >= 0; --i) {
        const double t = double(i) / steps;
        shape.lineTo(t * len * 0.82, h / 2 * (1 - 0.45 * t) + wave(t));
    }
    shape.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    p.setBrush(belly);
    p.drawRect(QRectF(0, h * 0.12, len, h));
    // Rows of scales as light arcs.
    p.setPen(RoundPen(P::Mix(body, P::kWhite, 0.5), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int col = 0; col < 4; ++col) {
        for (int row = -1; row <= 1; ++row) {
            const double x = len * (0.3 + col * 0.12);
            const double t = x / len;
            const QPointF at(x, row * h * 0.22 + wave(t));
            p.drawArc(QRectF(at.x() - h * 0.12, at.y() - h * 0.12, h * 0.24, h * 0.24), 90 * 16,
                      -180 * 16);
        }
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(P::kWhite);
    p.drawRect(QRectF(0, -h / 2, len * 0.05, h));
    p.drawEllipse(QPointF(len * 0.14, -h * 0.08), h * 0.16, h * 0.16);
    p.setBrush(P::Mix(P::kText, P::kWhite, 0.3));
    p.drawEllipse(QPointF(len * 0.14, -h * 0.08), h * 0.08, h * 0.08);
}

void CHolidayMotifs::CarpPole(QPainter& p, QPointF base, double h, const QColor& ink) {
    Frame f(p, base);
    p.setPen(RoundPen(ink, 3.0));
    p.drawLine(QPointF(0, 0), QPointF(0, -h));
    p.setPen(RoundPen(P::Mix(ink, P::kWhite, 0.2), 1.4));
    const QPointF wheel(0, -h + 10);
    for (int i = 0; i < 8; ++i) {
        p.drawLine(wheel, Polar(wheel, 9, i * 45.0));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(238, 206, 120));
    p.drawEllipse(QPointF(0, -h - 4), 4.5, 4.5);
}

void CHolidayMotifs::Kabuto(QPainter& p, QPointF c, double r, const QColor& ink) {
    Frame f(p, c);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawChord(QRectF(-r * 0.7, -r * 0.6, r * 1.4, r * 1.2), 0, 180 * 16);
    // The flaring neck guard and the two golden horns.
    QPainterPath guard;
    guard.moveTo(-r * 0.7, 0);
    guard.lineTo(-r, r * 0.45);
    guard.lineTo(r, r * 0.45);
    guard.lineTo(r * 0.7, 0);
    guard.closeSubpath();
    p.setBrush(P::Mix(ink, P::kWhite, 0.25));
    p.drawPath(guard);
    p.setPen(RoundPen(QColor(232, 196, 100), r * 0.12));
    p.setBrush(Qt::NoBrush);
    QPainterPath horns;
    horns.moveTo(-r * 0.15, -r * 0.45);
    horns.quadTo(-r * 0.6, -r * 0.8, -r * 0.55, -r * 1.25);
    horns.moveTo(r * 0.15, -r * 0.45);
    horns.quadTo(r * 0.6, -r * 0.8, r * 0.55, -r * 1.25);
    p.drawPath(horns);
}

void CHolidayMotifs::Pumpkin(QPainter& p, QPointF c, double r, const QColor& ink, bool face) {
    Frame f(p, c);
    p.setPen(Qt::NoPen);
    p.setBrush(P::Mix(QColor(90, 130, 70), P::kWhite, 0.3));
    p.drawRoundedRect(QRectF(-r * 0.08, -r * 0.95, r * 0.16, r * 0.3), 2, 2);
    // Ribs: overlapping ellipses, the middle one lightest.
    const QColor side = P::Mix(ink, QColor(170, 90, 40), 0.15);
    p.setBrush(side);
    p.drawEllipse(QRectF(-r, -r * 0.7, r * 1.1, r * 1.4));
    p.drawEllipse(QRectF(-r * 0.1, -r * 0.7, r * 1.1, r * 1.4));
    p.setBrush(ink);
    p.drawEllipse(QRectF(-r * 0.55, -r * 0.72, r * 1.1, r * 1.44));
    if (!face) {
        return;
    }
    // A friendly face, in a warm shade rather than a dark hole.
    p.setBrush(P::Mix(QColor(180, 90, 30), ink, 0.2));
    QPainterPath eyes;
    for (double x : {-0.32, 0.32}) {
        eyes.moveTo(r * x - r * 0.13, -r * 0.05);
        eyes.lineTo(r * x, -r * 0.3);
        eyes.lineTo(r * x + r * 0.13, -r * 0.05);
        eyes.closeSubpath();
    }
    p.drawPath(eyes);
    QPainterPath mouth;
    mouth.moveTo(-r * 0.45, r * 0.15);
    mouth.quadTo(0, r * 0.62, r * 0.45, r * 0.15);
    mouth.quadTo(0, r * 0.38, -r * 0.45, r * 0.15);
    p.drawPath(mouth);
}

void CHolidayMotifs::Bat(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath wings;
    // Wings raised to pointed tips, their lower edges scalloped between the fingers.
    wings.moveTo(0, -r * 0.15);
    wings.cubicTo(-r * 0.25, -r * 0.45, -r * 0.6, -r * 0.75, -r, -r * 0.6);
    wings.quadTo(-r * 0.92, -r * 0.1, -r * 0.8, r * 0.3);
    wings.quadTo(-r * 0.65, r * 0.05, -r * 0.48, r * 0.25);
    wings.quadTo(-r * 0.35, r * 0.02, -r * 0.16, r * 0.3);
    wings.lineTo(0, r * 0.2);
    wings.lineTo(r * 0.16, r * 0.3);
    wings.quadTo(r * 0.35, r * 0.02, r * 0.48, r * 0.25);
    wings.quadTo(r * 0.65, r * 0.05, r * 0.8, r * 0.3);
    wings.quadTo(r * 0.92, -r * 0.1, r, -r * 0.6);
    wings.cubicTo(r * 0.6, -r * 0.75, r * 0.25, -r * 0.45, 0, -r * 0.15);
    p.drawPath(wings);
    p.drawEllipse(QPointF(0, 0), r * 0.17, r * 0.26);
    // Two small ears.
    QPainterPath ears;
    ears.moveTo(-r * 0.14, -r * 0.15);
    ears.lineTo(-r * 0.12, -r * 0.38);
    ears.lineTo(-r * 0.02, -r * 0.2);
    ears.lineTo(r * 0.02, -r * 0.2);
    ears.lineTo(r * 0.12, -r * 0.38);
    ears.lineTo(r * 0.14, -r * 0.15);
    ears.closeSubpath();
    p.drawPath(ears);
}

void CHolidayMotifs::Star(QPainter& p, QPointF c, double r, const QColor& ink, double angle) {
    Frame f(p, c, angle);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    QPainterPath star;
    for (int i = 0; i < 5; ++i) {
        const QPointF tip = Polar({}, r, -90 + i * 72.0);
        if (i == 0) {
            star.moveTo(tip);
        } else {
            star.lineTo(tip);
        }
        star.lineTo(Polar({}, r * 0.45, -54 + i * 72.0));
    }
    star.closeSubpath();
    p.drawPath(star);
}

void CHolidayMotifs::ChristmasTree(QPainter& p, QPointF base, double h, const QColor& green,
                                   unsigned seed) {
    {
        Frame f(p, base);
        p.setPen(Qt::NoPen);
        p.setBrush(P::Mix(QColor(140, 100, 70), P::kWhite, 0.3));
        p.drawRect(QRectF(-h * 0.05, -h * 0.1, h * 0.1, h * 0.1));
        for (int tier = 0; tier < 4; ++tier) {
            const double bottom = -h * (0.08 + tier * 0.2);
            const double half = h * (0.36 - tier * 0.075);
            QPainterPath tri;
            tri.moveTo(-half, bottom);
            tri.quadTo(0, bottom - h * 0.05, half, bottom);
            tri.lineTo(0, bottom - h * 0.3);
            tri.closeSubpath();
            p.setBrush(tier % 2 == 0 ? green : P::Mix(green, P::kWhite, 0.1));
            p.drawPath(tri);
        }
        // A garland and baubles in the palette's pink, blue and gold.
        p.setPen(RoundPen(P::Mix(QColor(240, 210, 120), P::kWhite, 0.2), 1.6));
        p.setBrush(Qt::NoBrush);
        for (int tier = 0; tier < 3; ++tier) {
            const double y = -h * (0.16 + tier * 0.2);
            const double half = h * (0.26 - tier * 0.07);
            QPainterPath garland;
            garland.moveTo(-half, y - h * 0.04);
            garland.quadTo(0, y + h * 0.03, half, y - h * 0.08);
            p.drawPath(garland);
        }
        p.setPen(Qt::NoPen);
        const QColor baubles[3] = {P::Mix(P::kPink, QColor(220, 80, 110), 0.4), P::kBlue,
                                   QColor(240, 200, 100)};
        for (int i = 0; i < 9; ++i) {
            const int tier = i % 3;
            const double y = -h * (0.12 + tier * 0.2 + ((i * 7 + seed) % 3) * 0.02);
            const double half = h * (0.28 - tier * 0.075);
            const double x = half * (((i * 37 + seed * 11) % 100) / 50.0 - 1.0) * 0.8;
            p.setBrush(baubles[(i + seed) % 3]);
            p.drawEllipse(QPointF(x, y), h * 0.025, h * 0.025);
        }
    }
    Star(p, base + QPointF(0, -h * 0.9), h * 0.07, QColor(242, 206, 100), 0);
}

void CHolidayMotifs::Gift(QPainter& p, QPointF base, double w, const QColor& box,
                          const QColor& ribbon) {
    Frame f(p, base);
    p.setPen(Qt::NoPen);
    p.setBrush(box);
    p.drawRoundedRect(QRectF(-w / 2, -w * 0.75, w, w * 0.75), 2, 2);
    p.setBrush(P::Mix(box, P::kWhite, 0.25));
    p.drawRoundedRect(QRectF(-w * 0.56, -w * 0.9, w * 1.12, w * 0.2), 2, 2);
    p.setBrush(ribbon);
    p.drawRect(QRectF(-w * 0.08, -w * 0.9, w * 0.16, w * 0.9));
    p.drawEllipse(QRectF(-w * 0.3, -w * 1.08, w * 0.28, w * 0.2));
    p.drawEllipse(QRectF(w * 0.02, -w * 1.08, w * 0.28, w * 0.2));
}
