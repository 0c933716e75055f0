#include "resources/art/generator/CAdvicePainter.h"

#include "resources/art/generator/CAdviceTexts.h"
#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtMarks.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

using P = CArtPalette;

// Variant of a kAdvice row: 0 every season, 1 winter, 2 summer.
enum Season { kAnySeason = 0, kWinter = 1, kSummer = 2 };

QColor AccentFor(int season) {
    switch (season) {
    case kWinter:
        return P::Mix(P::kBlue, P::kText, 0.15);
    case kSummer:
        return P::EntryColour(5); // warm orange
    default:
        return QColor(112, 178, 92); // the leaf's green
    }
}

QString TagFor(int season) {
    switch (season) {
    case kWinter:
        return QStringLiteral("冬に");
    case kSummer:
        return QStringLiteral("夏に");
    default:
        return QStringLiteral("いつでも");
    }
}

void Sun(QPainter& p, const QRectF& box, const QColor& colour) {
    const QPointF c = box.center();
    const double r = box.width() * 0.24;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(c.x() + std::cos(a) * r * 1.45, c.y() + std::sin(a) * r * 1.45),
                   QPointF(c.x() + std::cos(a) * r * 1.95, c.y() + std::sin(a) * r * 1.95));
    }
    p.setPen(QPen(P::Deep(colour, 0.2), 1.0));
    p.setBrush(P::Mix(colour, P::kWhite, 0.25));
    p.drawEllipse(c, r, r);
    p.restore();
}

void Snowflake(QPainter& p, const QRectF& box, const QColor& colour) {
    const QPointF c = box.center();
    const double r = box.width() * 0.46;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3 - std::numbers::pi / 2;
        const QPointF tip(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r);
        p.drawLine(c, tip);
        // A small fork two thirds out on every arm.
        const QPointF fork(c.x() + std::cos(a) * r * 0.6, c.y() + std::sin(a) * r * 0.6);
        for (const double side : {-0.6, 0.6}) {
            p.drawLine(fork, QPointF(fork.x() + std::cos(a + side) * r * 0.32,
                                     fork.y() + std::sin(a + side) * r * 0.32));
        }
    }
    p.restore();
}

void Motif(QPainter& p, int season, const QRectF& box) {
    switch (season) {
    case kWinter:
        Snowflake(p, box, P::Deep(P::kBlue, 0.3));
        break;
    case kSummer:
        Sun(p, box, AccentFor(kSummer));
        break;
    default:
        CArtMarks::Leaf(p, box, true);
        break;
    }
}

} // namespace

PaintedPicture CAdvicePainter::Advice(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QStringList problems;
    const CAdviceTexts::Advice advice = CAdviceTexts::For(spec.id);
    if (advice.lead.isEmpty()) {
        problems << QStringLiteral("no advice text for this id");
    }
    const int season = spec.variant;
    const QColor accent = AccentFor(season);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Behind everything a vertical gradient, so the button corners stay plain
    // row by row whatever the dialog lays over them.
    QLinearGradient ground(0, 0, 0, spec.height);
    ground.setColorAt(0.0, P::kWhite);
    ground.setColorAt(1.0, P::Mix(P::kCream, accent, 0.08));
    p.fillRect(image.rect(), ground);

    // The card holding the tip ends above the buttons' row.
    const QRectF card(8.5, 6.5, spec.width - 17, 137);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 8, 8);
    p.setPen(QPen(P::Mix(accent, P::kWhite, 0.35), 1.0));
    p.setBrush(P::kWhite);
    p.drawPath(cardPath);
    // The heading band along the card's top.
    p.save();
    p.setClipPath(cardPath);
    p.fillRect(QRectF(card.left(), card.top(), card.width(), 30), P::Mix(accent, P::kWhite, 0.8));
    p.setPen(QPen(P::Mix(accent, P::kWhite, 0.45), 1.0, Qt::DashLine));
    p.drawLine(QPointF(card.left() + 8, card.top() + 30.5),
               QPointF(card.right() - 8, card.top() + 30.5));
    p.restore();

    Motif(p, season, QRectF(17, 10, 22, 22));
    CArtText::Style heading;
    heading.maxPixel = 15;
    heading.minPixel = 12;
    heading.bold = true;
    heading.align = Qt::AlignLeft | Qt::AlignVCenter;
    heading.colour = P::Deep(accent, 0.6);
    CArtText::DrawOrReport(p, QRect(46, 8, 240, 26), {QStringLiteral("ワンポイントアドバイス")},
                           heading, problems);

    // The season tag, a pill at the right of the heading band.
    const QRectF tag(card.right() - 80, 13, 70, 18);
    p.setPen(QPen(P::Mix(accent, P::kText, 0.1), 1.0));
    p.setBrush(P::Mix(accent, P::kWhite, 0.55));
    p.drawRoundedRect(tag, 9, 9);
    CArtText::Style tagStyle;
    tagStyle.maxPixel = 12;
    tagStyle.minPixel = 10;
    tagStyle.bold = true;
    tagStyle.colour = P::Deep(accent, 0.7);
    CArtText::DrawOrReport(p, tag.toAlignedRect().adjusted(4, 1, -4, -1), {TagFor(season)},
                           tagStyle, problems);

    // The tip: a lead line in the accent's deep shade, then the explanation.
    if (!advice.lead.isEmpty()) {
        CArtText::Style lead;
        lead.maxPixel = 15;
        lead.minPixel = 12;
        lead.bold = true;
        lead.align = Qt::AlignLeft | Qt::AlignVCenter;
        lead.colour = P::Deep(accent, 0.62);
        CArtText::DrawOrReport(p, QRect(22, 42, 364, 26), {advice.lead}, lead, problems);
        CArtText::Style body;
        body.maxPixel = 14;
        body.minPixel = 11;
        // Centred glyphs overhang their em boxes by a pixel or two, so the
        // box hugs the lines with a little room and starts at a fixed row.
        body.align = Qt::AlignLeft | Qt::AlignVCenter;
        body.colour = P::kText;
        body.lineGap = 6;
        const int count = int(advice.body.size());
        const int height = count * body.maxPixel + (count - 1) * body.lineGap + 8;
        CArtText::DrawOrReport(p, QRect(22, 70, 364, height), advice.body, body, problems);
    }

    // A soft hill below the buttons' row (the row itself, y 150–179, is
    // left to the ground gradient).
    QPainterPath hill;
    hill.moveTo(0, 184);
    hill.cubicTo(120, 179, 280, 189, spec.width, 182);
    hill.lineTo(spec.width, spec.height);
    hill.lineTo(0, spec.height);
    hill.closeSubpath();
    p.fillPath(hill, P::Mix(accent, P::kWhite, 0.7));
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), 1, problems};
}
