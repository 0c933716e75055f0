#include "resources/art/generator/CDevicePainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtFace.h"
#include "resources/art/generator/CArtMotifs.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QPainter>
#include <QPainterPath>

namespace {

using P = CArtPalette;

constexpr int kFaceRadius = 7;

// A slim bar at the free right end of a device face, in the entry's graph
// colour, so the button matches its columns in the graph. The all-entries face
// stacks the seven colours.
void DrawEntryBar(QImage& image, const QRect& face, int position, bool all, CArtFace::State state) {
    const bool faded = state == CArtFace::kDisabled;
    const int x = face.left() + 140;
    const int top = face.top() + 9;
    const int height = 30;
    for (int y = 0; y < height; ++y) {
        const int entry = all ? y * P::kEntryCount / height : position;
        QColor c = P::EntryColour(entry);
        if (faded) {
            c = P::Mix(c, P::kDialog, 0.6);
        }
        // Rounded ends: the end rows are one pixel narrower.
        const bool end = y == 0 || y == height - 1;
        for (int dx = end ? 1 : 0; dx < (end ? 3 : 4); ++dx) {
            CArtCanvas::SetPixel(image, x + dx, top + y, c.rgb());
        }
    }
}

} // namespace

PaintedPicture CDevicePainter::DeviceStrip(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const int fw = spec.FrameWidth();
    for (int f = 0; f < spec.frames; ++f) {
        const auto state = CArtFace::State(f);
        const QRect face =
            CArtFace::Draw(image, QRect(f * fw, 0, fw, spec.height), state, scheme, kFaceRadius);
        DrawEntryBar(image, face, spec.variant, false, state);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}

PaintedPicture CDevicePainter::AllDevicesStrip(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const int fw = spec.FrameWidth();
    QStringList problems;
    for (int f = 0; f < spec.frames; ++f) {
        const auto state = CArtFace::State(f);
        const QRect face =
            CArtFace::Draw(image, QRect(f * fw, 0, fw, spec.height), state, scheme, kFaceRadius);
        DrawEntryBar(image, face, 0, true, state);
        // The label sits where the program would write a room name; it stays
        // put when pressed, like the texts of the other device buttons.
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        CArtText::Style style;
        style.maxPixel = 14;
        style.minPixel = 10;
        style.bold = true;
        style.align = Qt::AlignLeft | Qt::AlignVCenter;
        style.colour = CArtFace::LookFor(scheme, state).ink;
        style.lineGap = 2;
        CArtText::DrawOrReport(p, QRect(f * fw + 42, 10, 113 - 42, 41 - 10), CArtText::Labels(spec),
                               style, problems);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CDevicePainter::ListIcon(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const int fw = spec.FrameWidth();
    const QColor colour = P::EntryColour(spec.variant);
    QStringList problems;
    // Frame 0 selected: the tag filled in the entry colour; frame 1: a pale tag.
    for (int f = 0; f < spec.frames; ++f) {
        const bool selected = f == 0;
        const QColor fill = selected ? colour : P::Pale(colour, 0.72);
        const QColor border = P::Deep(colour, selected ? 0.3 : 0.15);
        const QRect tag(f * fw, 0, fw, spec.height);
        CArtFace::FillRounded(image, tag, 4, fill, selected ? P::Deep(colour, 0.08) : fill, border);
        QPainter p(&image);
        CArtText::Style style;
        style.maxPixel = 11;
        style.minPixel = 9;
        style.bold = true;
        style.colour = selected ? P::InkOn(colour) : P::Deep(colour, 0.45);
        CArtText::DrawOrReport(p, tag.adjusted(2, 1, -2, -1), CArtText::Labels(spec), style,
                               problems);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CDevicePainter::AllDevicesIcon(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const int fw = spec.FrameWidth();
    // Frames: selected, not selected, disabled. Seven stripes of four pixels.
    for (int f = 0; f < spec.frames; ++f) {
        const QRect box(f * fw, 0, fw, spec.height);
        const QColor border = f == 0   ? P::kText
                              : f == 1 ? P::Deep(P::kBlue, 0.45)
                                       : P::Mix(P::kText, P::kDialog, 0.6);
        CArtFace::FillRounded(image, box, 4, border, border, border);
        // Device pixels, tested at their centres in logical pixels; a stripe
        // is a whole number of logical pixels wide.
        const int s = CArtCanvas::ScaleOf(image);
        for (int y = (box.top() + 1) * s; y < box.bottom() * s; ++y) {
            for (int x = (box.left() + 1) * s; x < box.right() * s; ++x) {
                if (!CArtFace::InsideAt(box.adjusted(1, 1, -1, -1), 3,
                                        CArtCanvas::LogicalCentre(x, s),
                                        CArtCanvas::LogicalCentre(y, s))) {
                    continue;
                }
                QColor c = P::EntryColour((x / s - box.left()) * P::kEntryCount / fw);
                if (f == 1) {
                    c = P::Pale(c, 0.6);
                } else if (f == 2) {
                    const int g = qGray(c.rgb());
                    c = P::Mix(QColor(g, g, g), P::kDialog, 0.6);
                }
                image.setPixel(x, y, c.rgb());
            }
        }
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}

PaintedPicture CDevicePainter::ConnectionMark(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const int fw = spec.FrameWidth();
    const bool variantC = spec.variant == 1;
    const QColor badge = variantC ? P::Mix(P::EntryColour(4), P::kBlue, 0.35)
                                  : P::Mix(P::kBlue, QColor(40, 110, 150), 0.6);
    for (int f = 0; f < spec.frames; ++f) {
        const bool selected = f == 1;
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF box(f * fw, 0, fw, spec.height);
        // On a selected (pink) face the badge gets a white ring to stand apart.
        const QRectF outer = box.adjusted(1, 1, -1, -1);
        const QRectF inner = selected ? box.adjusted(3, 3, -3, -3) : outer;
        auto shape = [variantC](QPainter& painter, const QRectF& r) {
            if (variantC) {
                painter.drawRoundedRect(r, 5, 5);
            } else {
                painter.drawEllipse(r);
            }
        };
        p.setPen(Qt::NoPen);
        if (selected) {
            p.setBrush(P::kWhite);
            shape(p, outer);
        }
        p.setBrush(badge);
        shape(p, inner);
        CArtMotifs::Plug(p, inner.adjusted(3, 3, -3, -3), P::kWhite);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}
