#include "resources/art/generator/CBillBoxPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtFace.h"
#include "resources/art/generator/CArtMarks.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using P = CArtPalette;

// Label order in the table row.
enum CaptionIndex {
    kMonthTotal = 0,
    kPreviousMonth,
    kSameMonthLastYear,
    kViewYear,
    kPreviousYear,
    kMonthTarget,
};

// Where the box's own layout puts things (box coordinates).
const QRect kUpperArea(0, 0, 117, 312);
const QRect kTargetArea(0, 314, 117, 62);
// The target field sits at (12, 346) and writes its value right-aligned up to
// its x 69; its drop-down button starts at its x 70.
constexpr int kFieldLeft = 12;
constexpr int kFieldTop = 346;
constexpr int kFieldTextEnd = 69;

void Caption(QPainter& p, const QRect& box, const QString& text, int maxPixel, bool bold,
             Qt::Alignment align, const QColor& ink, QStringList& problems) {
    CArtText::Style style;
    style.maxPixel = maxPixel;
    style.minPixel = 9;
    style.bold = bold;
    style.align = align;
    style.colour = ink;
    CArtText::DrawOrReport(p, box, {text}, style, problems);
}

void Bolt(QPainter& p, const QRectF& box, const QColor& fill, const QColor& edge) {
    auto at = [&box](double fx, double fy) {
        return QPointF(box.left() + fx * box.width(), box.top() + fy * box.height());
    };
    QPainterPath bolt;
    bolt.moveTo(at(0.62, 0.0));
    bolt.lineTo(at(0.1, 0.56));
    bolt.lineTo(at(0.46, 0.56));
    bolt.lineTo(at(0.34, 1.0));
    bolt.lineTo(at(0.9, 0.4));
    bolt.lineTo(at(0.54, 0.4));
    bolt.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(bolt);
    p.restore();
}

void Rule(QImage& image, int y, int left, int right, const QColor& c, bool dotted) {
    for (int x = left; x <= right; ++x) {
        if (!dotted || x % 3 != 0) {
            CArtCanvas::SetPixel(image, x, y, c.rgb());
        }
    }
}

} // namespace

PaintedPicture CBillBoxPainter::BillBox(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const QColor tint = scheme.faceBottom;
    const QColor deep = P::Deep(scheme.border, 0.35);
    const QColor soft = P::Mix(scheme.border, P::kWhite, 0.45);
    QStringList problems;

    // Two panels, as the box is two areas: the totals and the month target.
    CArtFace::FillRounded(image, kUpperArea, 8, P::kWhite, P::Mix(P::kCream, tint, 0.25),
                          scheme.border);
    CArtFace::FillRounded(image, kTargetArea, 8, P::kWhite, P::Mix(P::kCream, tint, 0.35),
                          scheme.border);

    // The month total: a tinted heading band, then a white well the figure is
    // written into, then the level picture on the panel.
    CArtFace::FillRounded(image, QRect(4, 4, 109, 44), 6, P::Mix(tint, P::kWhite, 0.3), tint,
                          P::Mix(scheme.border, tint, 0.3));
    CArtFace::FillRounded(image, QRect(6, 53, 107, 35), 6, P::kWhite, P::kWhite, soft);

    // The year's two rows share a pale band, so the two pairs read apart.
    CArtFace::FillRounded(image, QRect(4, 197, 109, 88), 6, P::Mix(tint, P::kWhite, 0.65),
                          P::Mix(tint, P::kWhite, 0.5), P::Mix(scheme.border, P::kWhite, 0.3));

    // The month target's well; it runs on under the field's drop-down button.
    CArtFace::FillRounded(image, QRect(5, kFieldTop, kFieldLeft + kFieldTextEnd + 4 - 5, 28), 5,
                          P::kWhite, P::kWhite, soft);

    // Light rules under the single rows and between the two pairs.
    Rule(image, 150, 8, 110, soft, false);
    Rule(image, 190, 10, 106, soft, true);

    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    Bolt(p, QRectF(10, 13, 14, 26), QColor(250, 204, 86),
         P::Mix(QColor(214, 150, 40), P::kText, 0.2));
    Caption(p, QRect(26, 6, 84, 40), CArtText::Label(spec, kMonthTotal), 15, true, Qt::AlignCenter,
            P::kText, problems);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    Caption(p, QRect(9, 113, 100, 16), CArtText::Label(spec, kPreviousMonth), 12, true, left, deep,
            problems);
    Caption(p, QRect(9, 151, 100, 15), CArtText::Label(spec, kSameMonthLastYear), 12, true, left,
            deep, problems);
    Caption(p, QRect(9, 202, 100, 18), CArtText::Label(spec, kViewYear), 12, true, left, deep,
            problems);
    Caption(p, QRect(9, 243, 100, 16), CArtText::Label(spec, kPreviousYear), 12, true, left, deep,
            problems);
    Caption(p, QRect(6, 318, 105, 24), CArtText::Label(spec, kMonthTarget), 13, true,
            Qt::AlignCenter, P::kText, problems);
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CBillBoxPainter::TargetLevel(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    QPainter p(&image);
    constexpr int kMarks = 5;
    const double pitch = spec.width / double(kMarks);
    const double side = std::min(pitch - 1.0, double(spec.height) - 2.0);
    for (int i = 0; i < kMarks; ++i) {
        const QRectF box(i * pitch + (pitch - side) / 2, (spec.height - side) / 2, side, side);
        CArtMarks::Leaf(p, box, i < spec.variant);
    }
    p.end();
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}
