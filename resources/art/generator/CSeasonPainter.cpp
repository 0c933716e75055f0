#include "resources/art/generator/CSeasonPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CHolidayMotifs.h"
#include "resources/art/generator/CSeasonMotifs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using P = CArtPalette;
using M = CSeasonMotifs;
using H = CHolidayMotifs;

constexpr double kWidth = 1012;
constexpr double kHeight = 569;
constexpr double kBand = CSeasonPainter::kTopBand;

// A fixed sequence, so every build draws the same pictures.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_state(seed * 2654435761u + 12345u) {}
    double Next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / 16777216.0;
    }
    double In(double lo, double hi) { return lo + (hi - lo) * Next(); }

private:
    std::uint32_t m_state;
};

// Points spread over `area` no closer than `gap` to each other.
std::vector<QPointF> Scatter(Dice& dice, const QRectF& area, int count, double gap) {
    std::vector<QPointF> points;
    for (int tries = 0; tries < count * 40 && int(points.size()) < count; ++tries) {
        const QPointF at(dice.In(area.left(), area.right()), dice.In(area.top(), area.bottom()));
        bool free = true;
        for (const QPointF& q : points) {
            const QPointF d = q - at;
            free &= d.x() * d.x() + d.y() * d.y() >= gap * gap;
        }
        if (free) {
            points.push_back(at);
        }
    }
    return points;
}

QColor Soft(const QColor& c, double t) {
    return P::Mix(c, P::kWhite, t);
}

// The band above the panels, the lower right of the main pane (seen while the
// menu page is open) and the rest, where things are scattered most thinly.
const QRectF kBandArea(0, 2, kWidth, kBand - 6);
const QRectF kField(230, kBand + 50, kWidth - 250, kHeight - kBand - 80);

// Sky tint at the top fading to paper white, a calm wave of ground at the foot.
void Backdrop(QPainter& p, const QColor& sky, const QColor& ground) {
    QLinearGradient fade(0, 0, 0, kHeight);
    fade.setColorAt(0.0, sky);
    fade.setColorAt(kBand / kHeight, Soft(sky, 0.35));
    fade.setColorAt(0.4, Soft(sky, 0.8));
    fade.setColorAt(1.0, P::Mix(P::kCream, P::kWhite, 0.3));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), fade);
    QPainterPath wave;
    wave.moveTo(0, kHeight - 60);
    wave.cubicTo(300, kHeight - 95, 650, kHeight - 30, kWidth, kHeight - 80);
    wave.lineTo(kWidth, kHeight);
    wave.lineTo(0, kHeight);
    wave.closeSubpath();
    p.fillPath(wave, Soft(ground, 0.55));
    QPainterPath wave2;
    wave2.moveTo(0, kHeight - 28);
    wave2.cubicTo(360, kHeight - 50, 700, kHeight - 8, kWidth, kHeight - 40);
    wave2.lineTo(kWidth, kHeight);
    wave2.lineTo(0, kHeight);
    wave2.closeSubpath();
    p.fillPath(wave2, Soft(ground, 0.35));
    // A hairline where the band meets the panels, as a shelf edge.
    p.fillRect(QRectF(0, kBand - 2, kWidth, 1), Soft(ground, 0.5));
}

// Falling things: clear in the band, paler over the field.
template <typename Draw>
void Fall(Dice& dice, int inBand, int inField, double gap, Draw draw) {
    for (const QPointF& at : Scatter(dice, kBandArea, inBand, gap)) {
        draw(at, 1.0, dice.In(0, 360));
    }
    for (const QPointF& at : Scatter(dice, kField, inField, gap * 2.5)) {
        draw(at, 0.0, dice.In(0, 360));
    }
}

// A branch of a few curved twigs from `root` along `toward`.
QPainterPath Branch(QPointF root, QPointF tip, double bend) {
    QPainterPath path;
    path.moveTo(root);
    const QPointF mid = (root + tip) / 2 + QPointF(0, bend);
    path.quadTo(mid, tip);
    return path;
}

void DrawBranch(QPainter& p, const QPainterPath& path, const QColor& ink, double width) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void Neutral(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(P::kBlue, 0.6), P::kGreyBlue);
    // Soft bubbles of air in the palette's blue and pink.
    Fall(dice, 16, 12, 46, [&](QPointF at, double band, double) {
        const double r = band > 0 ? dice.In(5, 14) : dice.In(10, 26);
        const QColor c = dice.Next() < 0.3 ? P::kPink : P::kBlue;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Soft(c, band > 0 ? 0.35 : 0.6), 1.6));
        p.setBrush(Soft(c, band > 0 ? 0.75 : 0.85));
        p.drawEllipse(at, r, r);
    });
}

void January(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(170, 200, 230), 0.55), QColor(210, 225, 240));
    const QColor snow = Soft(QColor(120, 160, 205), 0.3);
    Fall(dice, 22, 14, 38, [&](QPointF at, double band, double a) {
        M::Snowflake(p, at, band > 0 ? dice.In(6, 13) : dice.In(10, 22),
                     band > 0 ? snow : Soft(snow, 0.55), a);
    });
    const QColor red = Soft(QColor(214, 70, 90), 0.35);
    for (const QPointF at :
         {QPointF(40, 30), QPointF(78, 20), QPointF(950, 28), QPointF(985, 40)}) {
        M::Camellia(p, at, 15, red, at.x() * 7);
    }
    M::Camellia(p, QPointF(930, 470), 34, Soft(red, 0.3), 20);
    M::Camellia(p, QPointF(975, 430), 26, Soft(red, 0.35), -30);
}

void February(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(240, 190, 205), 0.6), QColor(235, 215, 220));
    const QColor bark = Soft(QColor(110, 80, 70), 0.4);
    const QColor plum = Soft(QColor(220, 90, 130), 0.35);
    const QColor heart = QColor(236, 196, 96);
    const QPainterPath main = Branch(QPointF(-10, 8), QPointF(420, 30), -26);
    const QPainterPath twig = Branch(QPointF(kWidth + 10, 6), QPointF(720, 34), 20);
    DrawBranch(p, main, bark, 4);
    DrawBranch(p, twig, bark, 3);
    for (int i = 1; i < 9; ++i) {
        const QPointF at = main.pointAtPercent(i / 9.0) + QPointF(0, (i % 2 ? 9 : -7));
        M::Blossom(p, at, dice.In(9, 13), i % 3 == 0 ? Soft(P::kWhite, 0) : plum, heart,
                   dice.In(0, 72), false);
    }
    for (int i = 1; i < 6; ++i) {
        const QPointF at = twig.pointAtPercent(i / 6.0) + QPointF(0, (i % 2 ? 8 : -6));
        M::Blossom(p, at, dice.In(8, 12), plum, heart, dice.In(0, 72), false);
    }
    Fall(dice, 8, 10, 60, [&](QPointF at, double band, double a) {
        M::Blossom(p, at, band > 0 ? 5 : dice.In(10, 18), Soft(plum, band > 0 ? 0.3 : 0.6),
                   Soft(heart, 0.3), a, false);
    });
    const QPainterPath low = Branch(QPointF(kWidth + 10, 420), QPointF(840, 520), 30);
    DrawBranch(p, low, Soft(bark, 0.4), 5);
    for (int i = 1; i < 5; ++i) {
        M::Blossom(p, low.pointAtPercent(i / 5.0) + QPointF(-6, -10), 16, Soft(plum, 0.45),
                   Soft(heart, 0.3), i * 20.0, false);
    }
}

void March(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(230, 236, 170), 0.55), QColor(200, 225, 170));
    const QColor green = Soft(QColor(100, 160, 90), 0.35);
    const QColor tulips[3] = {Soft(QColor(236, 110, 120), 0.35), Soft(QColor(245, 200, 80), 0.3),
                              Soft(QColor(236, 150, 200), 0.35)};
    for (int i = 0; i < 7; ++i) {
        M::Tulip(p, QPointF(24 + i * 19, kBand - 2), dice.In(36, 46), tulips[i % 3], green);
        M::Tulip(p, QPointF(870 + i * 19, kBand - 2), dice.In(36, 46), tulips[(i + 1) % 3], green);
    }
    const QColor wings[2] = {Soft(QColor(245, 200, 80), 0.3), Soft(QColor(236, 160, 190), 0.3)};
    Fall(dice, 5, 5, 120, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 170 || at.x() > 850)) {
            return;
        }
        M::Butterfly(p, at, band > 0 ? 10 : 16, Soft(wings[int(a) % 2], band > 0 ? 0 : 0.4),
                     a / 8 - 20);
    });
    for (int i = 0; i < 9; ++i) {
        M::Tulip(p, QPointF(800 + i * 24, kHeight - 12), dice.In(60, 80), Soft(tulips[i % 3], 0.4),
                 Soft(green, 0.4));
    }
}

void April(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(244, 200, 215), 0.6), QColor(240, 220, 225));
    const QColor bark = Soft(QColor(120, 85, 80), 0.45);
    const QColor sakura = Soft(QColor(240, 160, 185), 0.35);
    const QColor heart = Soft(QColor(220, 100, 130), 0.2);
    const QPainterPath main = Branch(QPointF(kWidth + 10, 4), QPointF(560, 26), 28);
    DrawBranch(p, main, bark, 4.5);
    for (int i = 1; i < 12; ++i) {
        const QPointF at = main.pointAtPercent(i / 12.0) + QPointF(0, (i % 2 ? 10 : -6));
        M::Blossom(p, at, dice.In(9, 13), i % 4 == 0 ? Soft(sakura, 0.5) : sakura, heart,
                   dice.In(0, 72), true);
    }
    Fall(dice, 18, 16, 44, [&](QPointF at, double band, double a) {
        M::Petal(p, at, band > 0 ? dice.In(4, 6) : dice.In(6, 10),
                 band > 0 ? Soft(sakura, 0.15) : Soft(sakura, 0.45), a);
    });
    const QPainterPath low = Branch(QPointF(kWidth + 10, 360), QPointF(860, 500), -30);
    DrawBranch(p, low, Soft(bark, 0.5), 5);
    for (int i = 1; i < 7; ++i) {
        M::Blossom(p, low.pointAtPercent(i / 7.0) + QPointF(-8, (i % 2 ? 12 : -10)), 16,
                   Soft(sakura, 0.4), Soft(heart, 0.4), i * 17.0, true);
    }
}

void May(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(190, 225, 200), 0.55), QColor(190, 220, 180));
    const QColor green = Soft(QColor(80, 150, 100), 0.35);
    const QColor violet = Soft(QColor(120, 100, 190), 0.35);
    for (int i = 0; i < 5; ++i) {
        M::Iris(p, QPointF(30 + i * 34, kBand - 2), dice.In(42, 52), violet, green);
        M::Iris(p, QPointF(840 + i * 36, kBand - 2), dice.In(42, 52),
                i % 2 ? violet : Soft(violet, 0.4), green);
    }
    const QColor leaf = Soft(QColor(120, 190, 110), 0.35);
    Fall(dice, 10, 10, 56, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 210 || at.x() > 810)) {
            return;
        }
        M::Leaf(p, at, band > 0 ? 9 : 14, band > 0 ? leaf : Soft(leaf, 0.5), a);
    });
    for (int i = 0; i < 6; ++i) {
        M::Iris(p, QPointF(840 + i * 30, kHeight - 10), dice.In(80, 100), Soft(violet, 0.45),
                Soft(green, 0.45));
    }
}

void June(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(190, 200, 225), 0.5), QColor(200, 210, 230));
    const QColor rain = Soft(QColor(110, 150, 200), 0.4);
    Fall(dice, 26, 22, 30, [&](QPointF at, double band, double) {
        M::Raindrop(p, at, band > 0 ? 5 : 8, band > 0 ? rain : Soft(rain, 0.5));
    });
    const QColor leaf = Soft(QColor(90, 150, 100), 0.35);
    const QColor heads[3] = {Soft(QColor(120, 150, 220), 0.3), Soft(QColor(170, 130, 210), 0.3),
                             Soft(QColor(220, 140, 190), 0.35)};
    const double xs[] = {30, 72, 118, 900, 945, 988};
    for (int i = 0; i < 6; ++i) {
        M::Leaf(p, QPointF(xs[i] - 14, kBand - 8), 14, leaf, 200);
        M::Leaf(p, QPointF(xs[i] + 14, kBand - 8), 14, leaf, -20);
        M::Hydrangea(p, QPointF(xs[i], kBand - 24), 22, heads[i % 3], unsigned(i));
    }
    for (int i = 0; i < 3; ++i) {
        const QPointF at(880 + i * 50, kHeight - 60 - (i % 2) * 30);
        M::Leaf(p, at + QPointF(-26, 30), 28, Soft(leaf, 0.45), 210);
        M::Leaf(p, at + QPointF(26, 30), 28, Soft(leaf, 0.45), -30);
        M::Hydrangea(p, at, 42, Soft(heads[i], 0.4), unsigned(i + 7));
    }
}

void July(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(160, 210, 235), 0.5), QColor(190, 225, 235));
    const QColor vine = Soft(QColor(90, 150, 90), 0.35);
    const QColor blooms[3] = {Soft(QColor(90, 120, 220), 0.3), Soft(QColor(200, 100, 190), 0.35),
                              Soft(QColor(120, 170, 230), 0.3)};
    // A vine hanging along the top edge from both corners.
    for (int side = 0; side < 2; ++side) {
        QPainterPath path;
        const double x0 = side == 0 ? -10 : kWidth + 10;
        const double dir = side == 0 ? 1 : -1;
        path.moveTo(x0, 6);
        for (int k = 0; k < 4; ++k) {
            path.quadTo(x0 + dir * (k * 70 + 35), 34 + (k % 2) * 10, x0 + dir * (k + 1) * 70, 10);
        }
        DrawBranch(p, path, vine, 1.8);
        for (int k = 1; k < 8; ++k) {
            const QPointF at = path.pointAtPercent(k / 8.0);
            M::Leaf(p, at + QPointF(0, 8), 8, vine, 90 + dir * 30);
            if (k % 2 == 1) {
                M::MorningGlory(p, at + QPointF(dir * 6, 18), 11, blooms[(k / 2 + side) % 3],
                                dice.In(0, 72));
            }
        }
    }
    Fall(dice, 0, 6, 60, [&](QPointF at, double, double a) {
        M::MorningGlory(p, at, dice.In(14, 20), Soft(blooms[int(a) % 3], 0.55), a);
    });
}

void August(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(170, 190, 230), 0.45), QColor(200, 215, 235));
    const QColor sparks[4] = {Soft(QColor(236, 120, 160), 0.3), Soft(QColor(120, 170, 230), 0.3),
                              Soft(QColor(240, 190, 80), 0.3), Soft(QColor(150, 200, 120), 0.3)};
    const double xs[] = {250, 400, 560, 700, 830};
    for (int i = 0; i < 5; ++i) {
        H::Star(p, QPointF(xs[i] + 40, 12 + (i % 2) * 30), 2.5, Soft(sparks[2], 0.3), 0);
        M::Firework(p, QPointF(xs[i], 28 + (i % 2 ? -4 : 4)), dice.In(18, 24), sparks[i % 4]);
    }
    const QColor petal = Soft(QColor(245, 190, 60), 0.3);
    const QColor heart = Soft(QColor(150, 100, 60), 0.4);
    const QColor green = Soft(QColor(100, 160, 90), 0.35);
    for (const double x : {40.0, 110.0, 905.0, 975.0}) {
        DrawBranch(p, Branch(QPointF(x, kBand), QPointF(x, 26), 0), green, 2.5);
        M::Leaf(p, QPointF(x - 10, 46), 9, green, 200);
        M::Sunflower(p, QPointF(x, 24), 15, petal, heart);
    }
    Fall(dice, 0, 5, 150, [&](QPointF at, double, double a) {
        M::Firework(p, at, dice.In(30, 44), Soft(sparks[int(a) % 4], 0.55));
    });
}

void September(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(200, 195, 225), 0.5), QColor(220, 210, 190));
    M::Moon(p, QPointF(880, 28), 20, QColor(250, 232, 160));
    const QColor stalk = Soft(QColor(150, 140, 100), 0.35);
    const QColor plume = Soft(QColor(200, 180, 140), 0.3);
    for (int i = 0; i < 6; ++i) {
        M::Pampas(p, QPointF(20 + i * 26, kBand - 2), dice.In(38, 50), dice.In(8, 20), stalk,
                  plume);
        M::Pampas(p, QPointF(930 + i * 14, kBand - 2), dice.In(30, 44), dice.In(-16, -4), stalk,
                  plume);
    }
    const QColor dragonfly = Soft(QColor(220, 110, 80), 0.3);
    Fall(dice, 4, 4, 140, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 200 || at.x() > 840)) {
            return;
        }
        M::Dragonfly(p, at, band > 0 ? 14 : 20, band > 0 ? dragonfly : Soft(dragonfly, 0.45),
                     a / 6 - 30);
    });
    M::Moon(p, QPointF(930, 150), 36, Soft(QColor(250, 232, 160), 0.3));
    for (int i = 0; i < 7; ++i) {
        M::Pampas(p, QPointF(830 + i * 26, kHeight - 8), dice.In(120, 160), dice.In(10, 40),
                  Soft(stalk, 0.45), Soft(plume, 0.45));
    }
}

void October(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(245, 225, 160), 0.55), QColor(235, 215, 170));
    const QColor gold = Soft(QColor(236, 190, 50), 0.3);
    Fall(dice, 18, 14, 42, [&](QPointF at, double band, double a) {
        M::Ginkgo(p, at, band > 0 ? dice.In(8, 12) : dice.In(12, 18),
                  band > 0 ? gold : Soft(gold, 0.5), a / 2 - 90);
    });
    const QColor nut = Soft(QColor(170, 120, 70), 0.3);
    const QColor cap = Soft(QColor(120, 90, 60), 0.35);
    for (const double x : {40.0, 62.0, 940.0, 966.0}) {
        M::Acorn(p, QPointF(x, kBand - 14), 10, nut, cap, x);
    }
    M::Acorn(p, QPointF(930, 520), 20, Soft(nut, 0.4), Soft(cap, 0.4), 15);
    M::Acorn(p, QPointF(975, 530), 16, Soft(nut, 0.4), Soft(cap, 0.4), -20);
}

void November(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(245, 205, 180), 0.55), QColor(235, 210, 190));
    const QColor bark = Soft(QColor(110, 80, 70), 0.4);
    const QColor reds[3] = {Soft(QColor(220, 80, 60), 0.35), Soft(QColor(236, 140, 60), 0.35),
                            Soft(QColor(210, 100, 90), 0.4)};
    const QPainterPath main = Branch(QPointF(-10, 6), QPointF(380, 20), -18);
    DrawBranch(p, main, bark, 3.5);
    for (int i = 1; i < 9; ++i) {
        M::Maple(p, main.pointAtPercent(i / 9.0) + QPointF(0, 14), dice.In(11, 15), reds[i % 3],
                 dice.In(-30, 30) + 180);
    }
    Fall(dice, 10, 12, 56, [&](QPointF at, double band, double a) {
        if (band > 0 && at.x() < 400) {
            return;
        }
        M::Maple(p, at, band > 0 ? dice.In(8, 11) : dice.In(12, 20),
                 Soft(reds[int(a) % 3], band > 0 ? 0 : 0.5), a);
    });
}

void December(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(180, 200, 225), 0.5), QColor(215, 225, 240));
    const QColor green = Soft(QColor(70, 130, 110), 0.4);
    const QColor snowWhite = P::kWhite;
    for (int i = 0; i < 4; ++i) {
        M::SnowyFir(p, QPointF(28 + i * 32, kBand - 1), 44 - (i % 2) * 10, green, snowWhite);
        M::SnowyFir(p, QPointF(880 + i * 36, kBand - 1), 46 - (i % 2) * 12, green, snowWhite);
    }
    const QColor snow = Soft(QColor(130, 160, 200), 0.35);
    Fall(dice, 16, 16, 44, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 160 || at.x() > 860)) {
            return;
        }
        M::Snowflake(p, at, band > 0 ? dice.In(5, 10) : dice.In(9, 18),
                     band > 0 ? snow : Soft(snow, 0.5), a);
    });
    for (int i = 0; i < 5; ++i) {
        M::SnowyFir(p, QPointF(800 + i * 46, kHeight - 10), 110 - (i % 2) * 30, Soft(green, 0.5),
                    snowWhite);
    }
}

void NewYear(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(250, 225, 180), 0.5), QColor(240, 225, 200));
    H::Sunrise(p, QPointF(506, kBand - 3), 26, kBand - 3, Soft(QColor(230, 90, 80), 0.35));
    const QColor cloud = Soft(QColor(230, 190, 110), 0.45);
    H::Cloud(p, QPointF(380, 20), 150, cloud);
    H::Cloud(p, QPointF(650, 30), 170, cloud);
    const QColor pine = Soft(QColor(60, 130, 90), 0.35);
    H::PineSprig(p, QPointF(-6, 44), QPointF(120, 18), pine);
    H::PineSprig(p, QPointF(kWidth + 6, 40), QPointF(880, 16), pine);
    const QColor plum = Soft(QColor(220, 80, 110), 0.35);
    for (const QPointF at :
         {QPointF(150, 36), QPointF(176, 20), QPointF(846, 38), QPointF(820, 22)}) {
        M::Blossom(p, at, 10, plum, QColor(240, 200, 100), at.x(), false);
    }
    Fall(dice, 0, 6, 150,
         [&](QPointF at, double, double) { H::Cloud(p, at, dice.In(120, 200), Soft(cloud, 0.6)); });
    H::Sunrise(p, QPointF(900, 500), 60, kHeight - 40, Soft(QColor(230, 90, 80), 0.65));
}

void DollFestival(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(245, 200, 210), 0.55), QColor(240, 215, 220));
    const QColor dais = Soft(QColor(210, 70, 80), 0.35);
    H::HinaPair(p, QPointF(910, kBand - 2), 52, Soft(QColor(70, 90, 150), 0.35),
                Soft(QColor(220, 90, 110), 0.3), dais);
    H::Bonbori(p, QPointF(845, kBand - 2), 46, Soft(QColor(255, 220, 200), 0.2));
    H::Bonbori(p, QPointF(985, kBand - 2), 46, Soft(QColor(255, 220, 200), 0.2));
    const QColor peach = Soft(QColor(240, 130, 160), 0.35);
    const QPainterPath branch = Branch(QPointF(-10, 10), QPointF(300, 26), -16);
    DrawBranch(p, branch, Soft(QColor(120, 85, 80), 0.45), 3.5);
    for (int i = 1; i < 8; ++i) {
        M::Blossom(p, branch.pointAtPercent(i / 8.0) + QPointF(0, i % 2 ? 9 : -7), 10, peach,
                   QColor(240, 200, 110), i * 19.0, false);
        M::Leaf(p, branch.pointAtPercent(i / 8.0 + 0.05) + QPointF(4, 10), 7,
                Soft(QColor(110, 170, 100), 0.35), 60);
    }
    Fall(dice, 8, 10, 70, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 330 || at.x() > 800)) {
            return;
        }
        M::Blossom(p, at, band > 0 ? 6 : 14, Soft(peach, band > 0 ? 0.3 : 0.55),
                   Soft(QColor(240, 200, 110), 0.3), a, false);
    });
    H::HinaPair(p, QPointF(900, kHeight - 14), 120, Soft(QColor(70, 90, 150), 0.65),
                Soft(QColor(220, 90, 110), 0.6), Soft(dais, 0.6));
}

void GoldenWeek(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(150, 200, 240), 0.5), QColor(190, 220, 190));
    H::CarpPole(p, QPointF(990, kBand), kBand - 8, Soft(QColor(120, 100, 80), 0.3));
    const QColor bodies[3] = {Soft(QColor(60, 80, 120), 0.45), Soft(QColor(220, 80, 80), 0.35),
                              Soft(QColor(80, 140, 210), 0.35)};
    // The streamers fly with the wind towards the left of the band.
    p.save();
    p.translate(990, 0);
    p.scale(-1, 1);
    H::Carp(p, QPointF(6, 14), 74, bodies[0], Soft(bodies[0], 0.6), 0.0);
    H::Carp(p, QPointF(6, 31), 62, bodies[1], Soft(bodies[1], 0.6), 1.2);
    H::Carp(p, QPointF(6, 46), 52, bodies[2], Soft(bodies[2], 0.6), 2.1);
    p.restore();
    H::Kabuto(p, QPointF(60, 32), 18, Soft(QColor(80, 110, 160), 0.4));
    // White clouds drifting with the streamers' wind.
    for (const QPointF at : {QPointF(260, 16), QPointF(520, 24), QPointF(760, 14)}) {
        H::Cloud(p, at, 110, Soft(P::kWhite, 0));
    }
    const QColor leaf = Soft(QColor(120, 190, 110), 0.35);
    Fall(dice, 10, 10, 70, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 120 || at.x() > 880)) {
            return;
        }
        M::Leaf(p, at, band > 0 ? 8 : 13, band > 0 ? leaf : Soft(leaf, 0.5), a);
    });
    H::CarpPole(p, QPointF(985, kHeight - 10), 330, Soft(QColor(120, 100, 80), 0.6));
    p.save();
    p.translate(985, 0);
    p.scale(-1, 1);
    H::Carp(p, QPointF(6, kHeight - 320), 240, Soft(bodies[0], 0.6), Soft(bodies[0], 0.8), 0.6);
    H::Carp(p, QPointF(6, kHeight - 250), 200, Soft(bodies[1], 0.6), Soft(bodies[1], 0.8), 1.6);
    H::Carp(p, QPointF(6, kHeight - 185), 160, Soft(bodies[2], 0.6), Soft(bodies[2], 0.8), 2.4);
    p.restore();
}

void Halloween(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(215, 195, 230), 0.5), QColor(235, 210, 185));
    M::Moon(p, QPointF(520, 26), 17, QColor(250, 232, 170));
    const QColor orange = Soft(QColor(240, 150, 60), 0.3);
    for (const double x : {36.0, 84.0, 900.0, 950.0}) {
        H::Pumpkin(p, QPointF(x, kBand - 17), x == 84.0 || x == 950.0 ? 13 : 17, orange,
                   x == 36.0 || x == 900.0);
    }
    const QColor bat = Soft(QColor(110, 90, 130), 0.4);
    Fall(dice, 11, 7, 80, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 150 || at.x() > 840 || std::abs(at.x() - 520) < 40)) {
            return;
        }
        if (band > 0 && int(a) % 3 == 0) {
            H::Star(p, at, 4, Soft(QColor(240, 200, 90), 0.3), a);
            return;
        }
        H::Bat(p, at, band > 0 ? 15 : 22, band > 0 ? bat : Soft(bat, 0.5), a / 12 - 15);
    });
    H::Pumpkin(p, QPointF(900, kHeight - 48), 40, Soft(orange, 0.45), true);
    H::Pumpkin(p, QPointF(970, kHeight - 36), 28, Soft(orange, 0.5), false);
}

void Christmas(QPainter& p, Dice& dice) {
    Backdrop(p, Soft(QColor(200, 215, 230), 0.5), QColor(220, 230, 240));
    const QColor green = Soft(QColor(50, 130, 90), 0.35);
    H::ChristmasTree(p, QPointF(930, kBand - 1), 54, green, 1);
    H::Gift(p, QPointF(885, kBand - 2), 18, Soft(QColor(220, 90, 110), 0.35),
            Soft(QColor(245, 210, 110), 0.2));
    H::Gift(p, QPointF(978, kBand - 2), 16, Soft(QColor(90, 140, 210), 0.35),
            Soft(QColor(236, 130, 160), 0.2));
    H::ChristmasTree(p, QPointF(60, kBand - 1), 48, green, 4);
    const QColor snow = Soft(QColor(130, 160, 200), 0.35);
    Fall(dice, 16, 14, 44, [&](QPointF at, double band, double a) {
        if (band > 0 && (at.x() < 110 || at.x() > 860)) {
            return;
        }
        if (band > 0 && int(a) % 4 == 0) {
            H::Star(p, at, 4.5, Soft(QColor(240, 200, 90), 0.25), a);
            return;
        }
        M::Snowflake(p, at, band > 0 ? dice.In(5, 9) : dice.In(9, 16),
                     band > 0 ? snow : Soft(snow, 0.5), a);
    });
    H::ChristmasTree(p, QPointF(920, kHeight - 10), 170, Soft(green, 0.55), 2);
    H::Gift(p, QPointF(830, kHeight - 12), 40, Soft(QColor(220, 90, 110), 0.6),
            Soft(QColor(245, 210, 110), 0.5));
}

} // namespace

PaintedPicture CSeasonPainter::Season(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The scenes are laid out on the window's own size; a differently sized row
    // would still get the whole scene.
    p.scale(spec.width / kWidth, spec.height / kHeight);
    Dice dice(std::uint32_t(spec.variant + 100));
    using Scene = void (*)(QPainter&, Dice&);
    static constexpr Scene kMonths[13] = {Neutral, January,  February, March,  April,
                                          May,     June,     July,     August, September,
                                          October, November, December};
    static constexpr Scene kHolidays[5] = {NewYear, DollFestival, GoldenWeek, Halloween, Christmas};
    QStringList problems;
    if (spec.variant >= 0 && spec.variant <= 12) {
        kMonths[spec.variant](p, dice);
    } else if (spec.variant >= 101 && spec.variant <= 105) {
        kHolidays[spec.variant - 101](p, dice);
    } else {
        problems << QStringLiteral("season variant %1 has no scene").arg(spec.variant);
    }
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}
