#include "resources/art/generator/CConnectErrorPainter.h"

#include "resources/art/CPictureTexts.h"
#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtMarks.h"
#include "resources/art/generator/CArtMotifs.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using P = CArtPalette;

// A remote controller on its cable, the thing the steps are about.
void Device(QPainter& p, const QRectF& box, const QColor& cable) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath wire;
    wire.moveTo(box.center().x(), box.top() + box.height() * 0.12);
    wire.cubicTo(box.center().x(), box.top() - 6, box.right() - 4, box.top() - 4, box.right() - 2,
                 box.top() + 12);
    p.setPen(QPen(cable, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(wire);
    p.restore();
    CArtMotifs::RemoteController(p, box);
}

} // namespace

PaintedPicture CConnectErrorPainter::ConnectError(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QStringList problems;
    const PictureSentences* remedy = CPictureTexts::Find(spec.id);
    if (remedy == nullptr || spec.LabelCount() == 0) {
        problems << QStringLiteral("no message or remedy for this id");
        return {CArtCanvas::Finish(image, spec.backdrop), 1, problems};
    }
    const auto scheme = P::SchemeFor(spec.role);
    const QColor accent = P::Mix(P::kPink, P::kText, 0.3);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), P::kWhite);

    // The heading band: what went wrong.
    QLinearGradient band(0, 0, 0, 50);
    band.setColorAt(0.0, P::Mix(P::kPink, P::kWhite, 0.82));
    band.setColorAt(1.0, P::Mix(P::kPink, P::kWhite, 0.62));
    p.fillRect(QRect(0, 0, spec.width, 50), band);
    p.fillRect(QRect(0, 50, spec.width, 1), scheme.border);
    CArtMarks::Badge(p, QRectF(12, 11, 28, 28), QStringLiteral("!"), accent, P::kWhite);
    CArtText::Style heading;
    heading.maxPixel = 16;
    heading.minPixel = 12;
    heading.bold = true;
    heading.align = Qt::AlignLeft | Qt::AlignVCenter;
    heading.colour = P::kText;
    CArtText::DrawOrReport(p, QRect(50, 4, spec.width - 58, 42), {CArtText::Label(spec, 0)},
                           heading, problems);

    // Why, in one line under the band.
    const QString why =
        remedy->lead != nullptr ? QString::fromUtf8(remedy->lead) : CArtText::Label(spec, 1);
    CArtText::Style whyStyle;
    whyStyle.maxPixel = 13;
    whyStyle.minPixel = 11;
    whyStyle.align = Qt::AlignLeft | Qt::AlignVCenter;
    whyStyle.colour = P::Deep(P::kPink, 0.65);
    whyStyle.bold = true;
    CArtText::DrawOrReport(p, QRect(14, 53, spec.width - 28, 26), {why}, whyStyle, problems);

    // The steps, each behind a numbered disc, left of the device picture.
    CArtText::Style step;
    step.maxPixel = 13;
    step.minPixel = 11;
    step.align = Qt::AlignLeft | Qt::AlignVCenter;
    step.colour = P::kText;
    int n = 0;
    for (const char* line : remedy->lines) {
        if (line == nullptr) {
            continue;
        }
        const int top = 84 + n * 32;
        p.setPen(Qt::NoPen);
        p.setBrush(P::Mix(P::kCream, P::kPink, 0.12));
        p.drawRoundedRect(QRectF(14.5, top + 0.5, 310, 26), 6, 6);
        CArtMarks::Badge(p, QRectF(19, top + 4, 18, 18), QString::number(n + 1),
                         P::Mix(P::kBlue, P::kText, 0.25), P::kWhite);
        CArtText::DrawOrReport(p, QRect(44, top + 1, 276, 24), {QString::fromUtf8(line)}, step,
                               problems);
        ++n;
    }
    Device(p, QRectF(334, 96, 62, 62), P::Mix(P::kBlue, P::kText, 0.35));
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), 1, problems};
}
