#include "resources/art/generator/CProgressPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtMotifs.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using P = CArtPalette;

constexpr int kStepWidth = 94;
constexpr int kStepHeight = 14;
constexpr int kMotifSize = 58;

// What flows from where to where, left to right, on both sides of the dots.
void DrawSource(QPainter& p, int jobKind, const QRectF& box) {
    switch (jobKind) {
    case 0:
        CArtMotifs::RemoteController(p, box);
        break;
    case 1:
        CArtMotifs::Document(p, box, QStringLiteral("DAT"), false);
        break;
    case 4:
        CArtMotifs::AirConditioner(p, box, false);
        break;
    default:
        CArtMotifs::Computer(p, box);
        break;
    }
}

void DrawTarget(QPainter& p, int jobKind, const QRectF& box) {
    switch (jobKind) {
    case 2:
        CArtMotifs::Document(p, box, QStringLiteral("DAT"), false);
        break;
    case 3:
        CArtMotifs::Document(p, box, QStringLiteral("CSV"), true);
        break;
    case 4:
        CArtMotifs::TrashCan(p, box);
        break;
    default:
        CArtMotifs::Computer(p, box);
        break;
    }
}

} // namespace

QRect CProgressPainter::AnimationRect(int jobKind) {
    return QRect(jobKind == 0 ? 192 : 154, 40, kStepWidth, kStepHeight);
}

PaintedPicture CProgressPainter::Background(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const QRect all(0, 0, spec.width, spec.height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Cream above, fading into grey-blue at the foot, with a calm wave.
    QLinearGradient sky(0, 0, 0, spec.height);
    sky.setColorAt(0.0, P::kWhite);
    sky.setColorAt(0.55, P::kCream);
    sky.setColorAt(1.0, P::Mix(P::kCream, P::kGreyBlue, 0.6));
    p.fillRect(all, sky);
    QPainterPath wave;
    wave.moveTo(0, 160);
    wave.cubicTo(110, 146, 250, 178, 404, 154);
    wave.lineTo(404, 190);
    wave.lineTo(0, 190);
    wave.closeSubpath();
    p.fillPath(wave, P::kGreyBlue);
    QPainterPath wave2;
    wave2.moveTo(0, 176);
    wave2.cubicTo(140, 164, 260, 190, 404, 172);
    wave2.lineTo(404, 190);
    wave2.lineTo(0, 190);
    wave2.closeSubpath();
    p.fillPath(wave2, P::Mix(P::kBlue, P::kGreyBlue, 0.4));

    // The two pictures stand clear of the animation's row on either side.
    const QRect anim = AnimationRect(spec.variant);
    const int cy = anim.center().y();
    const QRectF left(anim.left() - 12 - kMotifSize, cy - kMotifSize / 2.0, kMotifSize, kMotifSize);
    const QRectF right(anim.right() + 13, cy - kMotifSize / 2.0, kMotifSize, kMotifSize);
    // A pale disc behind each picture, kept off the animation's columns.
    p.setPen(Qt::NoPen);
    p.setBrush(P::Pale(P::kBlue, 0.6));
    p.drawEllipse(left.adjusted(-4, -4, 4, 4));
    p.drawEllipse(right.adjusted(-4, -4, 4, 4));
    DrawSource(p, spec.variant, left);
    DrawTarget(p, spec.variant, right);

    QStringList problems;
    const QStringList lines = CArtText::Labels(spec);
    CArtText::Style lead;
    lead.maxPixel = 16;
    lead.minPixel = 12;
    lead.bold = true;
    lead.colour = P::kText;
    if (!lines.isEmpty()) {
        CArtText::DrawOrReport(p, QRect(12, 92, 380, 24), {lines.front()}, lead, problems);
    }
    CArtText::Style note = lead;
    note.maxPixel = 13;
    note.minPixel = 10;
    note.bold = false;
    note.colour = P::Mix(P::kText, P::kBlue, 0.25);
    if (lines.size() > 1) {
        CArtText::DrawOrReport(p, QRect(12, 122, 380, 20), lines.mid(1), note, problems);
    }
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CProgressPainter::Step(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Five dots; the lit one is large and pink, the one it left behind fades
    // out, so the light seems to travel from the source to the target.
    const int lit = spec.variant - 1;
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(9.5 + i * 18.75, spec.height / 2.0);
        double radius = 3.5;
        QColor colour = P::Mix(P::kBlue, P::kText, 0.15);
        if (i == lit) {
            radius = 6.5;
            colour = P::Mix(P::kPink, QColor(214, 86, 150), 0.5);
        } else if (i == (lit + 4) % 5) {
            radius = 5.0;
            colour = P::kPink;
        }
        p.setBrush(colour);
        p.drawEllipse(centre, radius, radius);
    }
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}
