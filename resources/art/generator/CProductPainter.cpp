#include "resources/art/generator/CProductPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtMotifs.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using P = CArtPalette;

// The program writes "リリース …" at (260, 148) on the splash and (263, 145) on
// the about picture; the caption ends above that line and the scene stays left
// of it.
constexpr int kTextLeft = 262;
constexpr int kLabelTop = 145;
constexpr int kLabelBottom = 168;

QString Label(const PictureSpec& spec, int i) {
    return i < spec.LabelCount() ? CArtText::Label(spec, i) : QString();
}

void DrawScene(QPainter& p, const QRectF& card) {
    // A pale round window on the room: the unit on the wall, air drifting down,
    // a small plant that likes the calm.
    const QPointF centre(card.left() + 134, card.top() + 166);
    const double r = 104;
    QRadialGradient glow(centre, r);
    glow.setColorAt(0.0, P::kWhite);
    glow.setColorAt(0.75, P::Pale(P::kBlue, 0.55));
    glow.setColorAt(1.0, P::Pale(P::kBlue, 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(P::Pale(P::kBlue, 0.1), 2));
    p.drawEllipse(centre, r, r);

    CArtMotifs::AirConditioner(p, QRectF(centre.x() - 78, centre.y() - 96, 156, 156), true);

    // Leaves in the lower right of the window.
    p.setPen(QPen(P::Mix(P::EntryColour(4), P::kWhite, 0.2), 2, Qt::SolidLine, Qt::RoundCap));
    const QPointF stem(centre.x() + 58, centre.y() + 78);
    p.drawLine(stem, stem + QPointF(0, -26));
    p.setPen(Qt::NoPen);
    p.setBrush(P::Mix(P::EntryColour(2), P::kWhite, 0.15));
    QPainterPath leaf;
    leaf.moveTo(stem + QPointF(0, -14));
    leaf.cubicTo(stem + QPointF(-4, -30), stem + QPointF(-20, -28), stem + QPointF(-22, -22));
    leaf.cubicTo(stem + QPointF(-16, -12), stem + QPointF(-6, -10), stem + QPointF(0, -14));
    p.drawPath(leaf);
    QPainterPath leaf2;
    leaf2.moveTo(stem + QPointF(0, -22));
    leaf2.cubicTo(stem + QPointF(4, -38), stem + QPointF(20, -36), stem + QPointF(22, -30));
    leaf2.cubicTo(stem + QPointF(16, -20), stem + QPointF(6, -18), stem + QPointF(0, -22));
    p.drawPath(leaf2);
    p.setBrush(P::kPink);
    p.drawRoundedRect(QRectF(stem.x() - 9, stem.y() - 4, 18, 14), 3, 3);
}

} // namespace

PaintedPicture CProductPainter::Splash(const PictureSpec& spec) {
    return Card(spec, false);
}

PaintedPicture CProductPainter::About(const PictureSpec& spec) {
    return Card(spec, true);
}

PaintedPicture CProductPainter::Card(const PictureSpec& spec, bool about) {
    QImage image = CArtCanvas::Blank(spec);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(8, 6, spec.width - 16, spec.height - 16);
    constexpr double kRadius = 22;

    // A soft shadow below the card: stacked faint copies of its outline.
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {
        p.setBrush(QColor(51, 51, 51, 10));
        p.drawRoundedRect(card.adjusted(-i * 0.6, -i * 0.3 + 2, i * 0.6, i * 0.9 + 2),
                          kRadius + i * 0.5, kRadius + i * 0.5);
    }

    QPainterPath shape;
    shape.addRoundedRect(card, kRadius, kRadius);
    QLinearGradient paper(0, card.top(), 0, card.bottom());
    paper.setColorAt(0.0, P::kWhite);
    paper.setColorAt(0.6, P::kCream);
    paper.setColorAt(1.0, P::kCream);
    p.fillPath(shape, paper);

    p.save();
    p.setClipPath(shape);
    // Two calm waves along the foot, the palette's blues.
    QPainterPath wave;
    wave.moveTo(card.left(), 292);
    wave.cubicTo(180, 262, 420, 318, card.right(), 276);
    wave.lineTo(card.right(), card.bottom());
    wave.lineTo(card.left(), card.bottom());
    wave.closeSubpath();
    p.fillPath(wave, P::kGreyBlue);
    QPainterPath wave2;
    wave2.moveTo(card.left(), 318);
    wave2.cubicTo(220, 296, 400, 336, card.right(), 304);
    wave2.lineTo(card.right(), card.bottom());
    wave2.lineTo(card.left(), card.bottom());
    wave2.closeSubpath();
    p.fillPath(wave2, P::Mix(P::kBlue, P::kGreyBlue, 0.35));
    // A pink thread along the top edge.
    p.fillRect(QRectF(card.left(), card.top(), card.width(), 6), P::kPink);
    p.restore();
    p.setPen(QPen(P::Mix(P::kGreyBlue, P::kBlue, 0.5), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);

    DrawScene(p, card);

    QStringList problems;
    if (about) {
        // "バージョン情報" as a small pill above the caption.
        CArtText::Style pill;
        pill.maxPixel = 13;
        pill.minPixel = 11;
        pill.bold = true;
        pill.colour = P::kWhite;
        const QRect pillBox(kTextLeft, 48, 112, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(P::Deep(P::kPink, 0.25));
        p.drawRoundedRect(pillBox, 11, 11);
        CArtText::DrawOrReport(p, pillBox, {Label(spec, 1)}, pill, problems);
    }

    CArtText::Style caption;
    caption.maxPixel = 31;
    caption.minPixel = 22;
    caption.bold = true;
    caption.align = Qt::AlignLeft | Qt::AlignBottom;
    caption.colour = P::kText;
    CArtText::DrawOrReport(p, QRect(kTextLeft - 4, 84, card.right() - kTextLeft - 10, 44),
                           {Label(spec, 0)}, caption, problems);
    // A short pink rule between the caption and the release line.
    p.setPen(Qt::NoPen);
    p.setBrush(P::kPink);
    p.drawRoundedRect(QRectF(kTextLeft, kLabelTop - 9, 64, 3), 1.5, 1.5);
    p.setBrush(P::kBlue);
    p.drawRoundedRect(QRectF(kTextLeft + 68, kLabelTop - 9, 18, 3), 1.5, 1.5);

    CArtText::Style tagline;
    tagline.maxPixel = 16;
    tagline.minPixel = 12;
    tagline.align = Qt::AlignLeft | Qt::AlignVCenter;
    tagline.colour = P::Mix(P::kText, P::kBlue, 0.3);
    CArtText::DrawOrReport(p,
                           QRect(kTextLeft, kLabelBottom + 14, card.right() - kTextLeft - 14, 26),
                           {Label(spec, about ? 2 : 1)}, tagline, problems);
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}
