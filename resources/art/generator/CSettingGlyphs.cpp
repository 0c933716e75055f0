#include "resources/art/generator/CSettingGlyphs.h"

#include "resources/art/generator/ArtGeometry.h"
#include "resources/art/generator/CArtPalette.h"

#include <QPainterPath>

namespace {

using P = CArtPalette;

using namespace ArtGeometry;

// Every pictogram is drawn on a 24-unit grid, centre (12, 12).
struct Pen {
    QPainter& p;
    QColor ink;
    QColor accent;

    void Stroke(const QColor& c, double w = 1.8) const {
        p.setPen(RoundPen(c, w));
        p.setBrush(Qt::NoBrush);
    }
    void Fill(const QColor& c) const {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
    }
    void Both(const QColor& line, const QColor& fill, double w = 1.6) const {
        p.setPen(RoundPen(line, w));
        p.setBrush(fill);
    }
};

// The indoor unit as seen from the front, shared by several settings.
void IndoorUnit(const Pen& g, double top) {
    g.Both(g.ink, P::kWhite);
    g.p.drawRoundedRect(QRectF(2, top, 20, 8), 2.5, 2.5);
    g.Stroke(g.ink, 1.2);
    g.p.drawLine(QPointF(5, top + 5.5), QPointF(19, top + 5.5));
}

void Fan(const Pen& g, QPointF c, double r, const QColor& blade) {
    g.Fill(blade);
    for (int i = 0; i < 3; ++i) {
        g.p.save();
        g.p.translate(c);
        g.p.rotate(i * 120.0);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(r * 0.2, -r * 0.6, r * 0.9, -r * 0.8, r * 0.6, -r * 0.1);
        leaf.closeSubpath();
        g.p.drawPath(leaf);
        g.p.restore();
    }
    g.Fill(g.ink);
    g.p.drawEllipse(c, r * 0.18, r * 0.18);
}

void Leaf(const Pen& g, QPointF c, double r, double angle) {
    g.p.save();
    g.p.translate(c);
    g.p.rotate(angle);
    g.Fill(P::Mix(P::EntryColour(4), P::kWhite, 0.2));
    QPainterPath leaf;
    leaf.moveTo(-r, 0);
    leaf.cubicTo(-r * 0.3, -r * 0.7, r * 0.5, -r * 0.6, r, 0);
    leaf.cubicTo(r * 0.5, r * 0.6, -r * 0.3, r * 0.7, -r, 0);
    g.p.drawPath(leaf);
    g.p.restore();
}

void Remote(const Pen& g, QRectF body) {
    g.Both(g.ink, P::kWhite);
    g.p.drawRoundedRect(body, 2.5, 2.5);
    g.Fill(P::Pale(P::kBlue, 0.2));
    g.p.drawRoundedRect(QRectF(body.left() + 2, body.top() + 2.5, body.width() - 4, 4.5), 1, 1);
    g.Fill(g.ink);
    for (int i = 0; i < 2; ++i) {
        g.p.drawEllipse(QPointF(body.center().x() - 1.8 + i * 3.6, body.top() + 10.5), 1, 1);
    }
}

void Yen(const Pen& g, QPointF c, double s, const QColor& line) {
    g.Stroke(line, 1.8);
    g.p.drawLine(c + QPointF(-s * 0.45, -s * 0.6), c + QPointF(0, 0));
    g.p.drawLine(c + QPointF(s * 0.45, -s * 0.6), c + QPointF(0, 0));
    g.p.drawLine(c + QPointF(0, 0), c + QPointF(0, s * 0.65));
    g.Stroke(line, 1.4);
    g.p.drawLine(c + QPointF(-s * 0.35, s * 0.1), c + QPointF(s * 0.35, s * 0.1));
    g.p.drawLine(c + QPointF(-s * 0.35, s * 0.38), c + QPointF(s * 0.35, s * 0.38));
}

} // namespace

void CSettingGlyphs::Draw(QPainter& p, Glyph glyph, const QRectF& box, const QColor& ink,
                          const QColor& accent) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.topLeft());
    p.scale(box.width() / 24.0, box.height() / 24.0);
    const Pen g{p, ink, accent};
    switch (glyph) {
    case kVolume: {
        g.Both(ink, P::kWhite);
        QPainterPath cone;
        cone.moveTo(3, 9);
        cone.lineTo(7, 9);
        cone.lineTo(12, 4.5);
        cone.lineTo(12, 19.5);
        cone.lineTo(7, 15);
        cone.lineTo(3, 15);
        cone.closeSubpath();
        p.drawPath(cone);
        g.Stroke(accent, 1.8);
        p.drawArc(QRectF(9, 8, 8, 8), -50 * 16, 100 * 16);
        p.drawArc(QRectF(8, 4.5, 14, 15), -50 * 16, 100 * 16);
        break;
    }
    case kAutoPowerful: {
        // Strong air: three chevrons racing out of the unit.
        IndoorUnit(g, 2);
        g.Stroke(accent, 1.7);
        for (int i = 0; i < 3; ++i) {
            const double y = 12.5 + i * 3.7;
            const double half = 6 - i * 1.2;
            p.drawLine(QPointF(12 - half, y), QPointF(12, y + 2.4));
            p.drawLine(QPointF(12 + half, y), QPointF(12, y + 2.4));
        }
        break;
    }
    case kCurrentSwitch: {
        g.Both(P::Deep(accent, 0.2), accent, 1.2);
        QPainterPath bolt;
        bolt.moveTo(14, 2);
        bolt.lineTo(6, 13.5);
        bolt.lineTo(11.5, 13.5);
        bolt.lineTo(9.5, 22);
        bolt.lineTo(18, 10);
        bolt.lineTo(12.5, 10);
        bolt.closeSubpath();
        p.drawPath(bolt);
        break;
    }
    case kAutoSave: {
        // The power sign with a leaf: switching off what is not needed.
        g.Stroke(ink, 2.2);
        p.drawArc(QRectF(4, 5, 15, 15), 120 * 16, 300 * 16);
        p.drawLine(QPointF(11.5, 3), QPointF(11.5, 11));
        Leaf(g, QPointF(18.5, 18.5), 4.5, -40);
        break;
    }
    case kBodyDisplay: {
        IndoorUnit(g, 4);
        g.Both(ink, P::Pale(P::kBlue, 0.3), 1.2);
        p.drawRoundedRect(QRectF(6, 14, 12, 8), 1.5, 1.5);
        Yen(g, QPointF(12, 17.6), 5, accent);
        break;
    }
    case kUnitPrice: {
        g.Both(P::Deep(QColor(236, 190, 80), 0.25), QColor(250, 222, 140), 1.6);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        g.Stroke(P::Mix(QColor(236, 190, 80), P::kWhite, 0.3), 1.0);
        p.drawEllipse(QPointF(12, 12), 7.3, 7.3);
        Yen(g, QPointF(12, 11.5), 9, P::Deep(QColor(200, 140, 40), 0.35));
        break;
    }
    case kEnergyFan: {
        Fan(g, QPointF(11, 11), 11, P::Mix(ink, P::kWhite, 0.15));
        Leaf(g, QPointF(18.5, 18.5), 4.5, -40);
        break;
    }
    case kFilterInterval: {
        // The filter's mesh and a calendar page beside it.
        g.Both(ink, P::kWhite, 1.4);
        p.drawRoundedRect(QRectF(2.5, 4, 13, 15), 1.5, 1.5);
        g.Stroke(P::Mix(ink, P::kWhite, 0.45), 1.0);
        for (int i = 1; i < 4; ++i) {
            p.drawLine(QPointF(2.5 + i * 3.25, 4.5), QPointF(2.5 + i * 3.25, 18.5));
            p.drawLine(QPointF(3, 4 + i * 3.75), QPointF(15, 4 + i * 3.75));
        }
        g.Both(P::Deep(accent, 0.2), P::kWhite, 1.3);
        p.drawRoundedRect(QRectF(12, 11, 10, 10), 1.5, 1.5);
        g.Fill(accent);
        p.drawRect(QRectF(12.5, 11.5, 9, 2.5));
        g.Fill(ink);
        p.drawEllipse(QPointF(17, 17.3), 1.4, 1.4);
        break;
    }
    case kInsideClean: {
        IndoorUnit(g, 3);
        // Clean, dry air: a drop and a sparkle below the unit.
        g.Fill(P::Mix(P::kBlue, ink, 0.25));
        QPainterPath drop;
        drop.moveTo(9, 13);
        drop.cubicTo(11, 16, 12.5, 18, 12.5, 19.5);
        drop.cubicTo(12.5, 22.5, 5.5, 22.5, 5.5, 19.5);
        drop.cubicTo(5.5, 18, 7, 16, 9, 13);
        p.drawPath(drop);
        g.Fill(accent);
        QPainterPath spark;
        const QPointF c(17, 17.5);
        for (int i = 0; i < 4; ++i) {
            const QPointF tip = Polar(c, 4.5, i * 90.0 - 90);
            const QPointF side = Polar(c, 1.2, i * 90.0 - 45);
            if (i == 0) {
                spark.moveTo(tip);
            } else {
                spark.lineTo(tip);
            }
            spark.lineTo(side);
        }
        spark.closeSubpath();
        p.drawPath(spark);
        break;
    }
    case kPlasmaIon: {
        // Ions drifting in the room's air: small charged dots.
        const struct {
            double x, y, r;
            bool plus;
        } kIons[] = {
            {7, 7, 4.2, true}, {17, 9, 3.6, false}, {9.5, 17, 3.6, false}, {18, 18, 3.0, true}};
        for (const auto& ion : kIons) {
            g.Both(ion.plus ? P::Deep(accent, 0.2) : ink,
                   ion.plus ? P::Pale(accent, 0.35) : P::Pale(P::kBlue, 0.3), 1.2);
            p.drawEllipse(QPointF(ion.x, ion.y), ion.r, ion.r);
            g.Stroke(ion.plus ? P::Deep(accent, 0.3) : ink, 1.2);
            p.drawLine(QPointF(ion.x - ion.r * 0.5, ion.y), QPointF(ion.x + ion.r * 0.5, ion.y));
            if (ion.plus) {
                p.drawLine(QPointF(ion.x, ion.y - ion.r * 0.5),
                           QPointF(ion.x, ion.y + ion.r * 0.5));
            }
        }
        break;
    }
    case kInstalledPosition: {
        // A wall seen from the front with three places; the unit at one of them.
        g.Stroke(ink, 1.4);
        p.drawLine(QPointF(2, 20), QPointF(22, 20));
        g.Both(ink, P::kWhite, 1.4);
        p.drawRoundedRect(QRectF(2, 4, 20, 16), 1.5, 1.5);
        g.Fill(P::Mix(ink, P::kWhite, 0.55));
        p.drawRoundedRect(QRectF(4, 7, 4.5, 2.5), 1, 1);
        p.drawRoundedRect(QRectF(15.5, 7, 4.5, 2.5), 1, 1);
        g.Fill(accent);
        p.drawRoundedRect(QRectF(9.25, 7, 5.5, 3), 1, 1);
        g.Stroke(P::Mix(ink, P::kWhite, 0.3), 1.2);
        p.drawLine(QPointF(8, 14.5), QPointF(4, 14.5));
        p.drawLine(QPointF(16, 14.5), QPointF(20, 14.5));
        p.drawLine(QPointF(4, 14.5), QPointF(5.5, 13));
        p.drawLine(QPointF(20, 14.5), QPointF(18.5, 13));
        break;
    }
    case kRoom: {
        g.Both(ink, P::kWhite, 1.6);
        QPainterPath house;
        house.moveTo(3, 11);
        house.lineTo(12, 3);
        house.lineTo(21, 11);
        house.lineTo(19, 11);
        house.lineTo(19, 21);
        house.lineTo(5, 21);
        house.lineTo(5, 11);
        house.closeSubpath();
        p.drawPath(house);
        g.Fill(accent);
        p.drawRoundedRect(QRectF(10, 14, 4.5, 7), 1, 1);
        g.Fill(P::Pale(P::kBlue, 0.2));
        p.drawRect(QRectF(6.8, 12.5, 2.5, 2.5));
        p.drawRect(QRectF(15.5, 12.5, 2.5, 2.5));
        break;
    }
    case kVoice: {
        g.Both(ink, P::kWhite, 1.6);
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2.5, 4, 19, 13), 5, 5);
        QPainterPath tail;
        tail.moveTo(7, 16);
        tail.lineTo(5.5, 21.5);
        tail.lineTo(12, 16.5);
        tail.closeSubpath();
        p.drawPath(bubble.united(tail));
        g.Fill(accent);
        for (int i = 0; i < 3; ++i) {
            p.drawEllipse(QPointF(7.5 + i * 4.5, 10.5), 1.4, 1.4);
        }
        break;
    }
    case kRemoconSensor: {
        Remote(g, QRectF(4, 7, 9, 15));
        // The sensor feels the air where the remote controller lies.
        g.Stroke(accent, 1.6);
        p.drawArc(QRectF(8, 2, 10, 10), 0, 90 * 16);
        p.drawArc(QRectF(5, -1, 16, 16), 10 * 16, 70 * 16);
        g.Both(ink, P::kWhite, 1.3);
        p.drawRoundedRect(QRectF(16.5, 9, 4, 10), 2, 2);
        g.Fill(accent);
        p.drawEllipse(QPointF(18.5, 19.5), 2.6, 2.6);
        p.drawRect(QRectF(18, 13, 1, 5));
        break;
    }
    case kReceivingMode: {
        // An antenna and the waves it listens for.
        g.Stroke(ink, 1.8);
        p.drawLine(QPointF(12, 11), QPointF(12, 21));
        p.drawLine(QPointF(8, 21), QPointF(16, 21));
        g.Fill(ink);
        p.drawEllipse(QPointF(12, 10), 2.2, 2.2);
        g.Stroke(accent, 1.6);
        p.drawArc(QRectF(6.5, 4.5, 11, 11), 30 * 16, 120 * 16);
        p.drawArc(QRectF(3, 1, 18, 18), 35 * 16, 110 * 16);
        break;
    }
    case kDehumidification: {
        g.Both(P::Deep(P::kBlue, 0.35), P::Pale(P::kBlue, 0.1), 1.6);
        QPainterPath drop;
        drop.moveTo(12, 2.5);
        drop.cubicTo(15, 7, 19, 11, 19, 15);
        drop.cubicTo(19, 23, 5, 23, 5, 15);
        drop.cubicTo(5, 11, 9, 7, 12, 2.5);
        p.drawPath(drop);
        g.Stroke(P::kWhite, 1.6);
        p.drawArc(QRectF(8, 12, 6, 7), 180 * 16, 80 * 16);
        break;
    }
    case kOutdoorSound: {
        g.Both(ink, P::kWhite, 1.4);
        p.drawRoundedRect(QRectF(2, 6, 15, 13), 1.5, 1.5);
        g.Stroke(P::Mix(ink, P::kWhite, 0.3), 1.2);
        p.drawEllipse(QPointF(8.5, 12.5), 4, 4);
        Fan(g, QPointF(8.5, 12.5), 3.6, P::Mix(ink, P::kWhite, 0.45));
        g.Stroke(ink, 1.2);
        p.drawLine(QPointF(14, 9), QPointF(14, 16));
        g.Stroke(accent, 1.6);
        p.drawArc(QRectF(14, 8, 7, 9), -50 * 16, 100 * 16);
        p.drawArc(QRectF(13.5, 5, 10, 15), -45 * 16, 90 * 16);
        break;
    }
    case kDisplayTime: {
        Remote(g, QRectF(2.5, 5, 9, 16));
        g.Both(ink, P::kWhite, 1.4);
        p.drawEllipse(QPointF(16.5, 14), 5.5, 5.5);
        g.Stroke(accent, 1.5);
        p.drawLine(QPointF(16.5, 14), QPointF(16.5, 10.5));
        p.drawLine(QPointF(16.5, 14), QPointF(19, 15.5));
        break;
    }
    case kSideFan: {
        IndoorUnit(g, 3);
        // Air leaving to both sides as well as ahead.
        g.Stroke(accent, 1.8);
        QPainterPath left;
        left.moveTo(8, 13);
        left.quadTo(5, 15, 2.5, 19.5);
        QPainterPath right;
        right.moveTo(16, 13);
        right.quadTo(19, 15, 21.5, 19.5);
        p.drawPath(left);
        p.drawPath(right);
        g.Stroke(P::Mix(ink, P::kWhite, 0.35), 1.6);
        p.drawLine(QPointF(12, 13.5), QPointF(12, 20));
        g.Fill(accent);
        for (const QPointF& tip : {QPointF(2.5, 19.5), QPointF(21.5, 19.5)}) {
            p.drawEllipse(tip, 1.3, 1.3);
        }
        break;
    }
    }
    p.restore();
}
