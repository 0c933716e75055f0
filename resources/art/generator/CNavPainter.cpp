#include "resources/art/generator/CNavPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtFace.h"
#include "resources/art/generator/CArtMarks.h"
#include "resources/art/generator/CArtMotifs.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QPainter>

namespace {

using P = CArtPalette;
using Dir = CArtMarks::Direction;

const QString kLeftArrow = QStringLiteral("◀");
const QString kRightArrow = QStringLiteral("▶");

int RadiusFor(const QRect& face) {
    return face.height() >= 40 ? 8 : (face.width() <= 30 ? 5 : 6);
}

// A label may carry an arrow at either end ("◀ 前へ", "次へ ▶"); the arrow is
// drawn as a shape so it sits on the pixel grid, the words as text.
struct SplitLabel {
    QString words;
    bool leftArrow = false;
    bool rightArrow = false;
};

SplitLabel Split(QString text) {
    SplitLabel s;
    if (text.startsWith(kLeftArrow)) {
        s.leftArrow = true;
        text.remove(0, kLeftArrow.size());
    }
    if (text.endsWith(kRightArrow)) {
        s.rightArrow = true;
        text.chop(kRightArrow.size());
    }
    s.words = text.trimmed();
    return s;
}

// The file-management buttons carry a small picture of what they work on.
void DrawMenuMotif(QPainter& p, int id, const QRectF& box, const QColor& accent) {
    switch (id) {
    case 250: // data duplication: a data file leaving the computer
        CArtMotifs::Document(p, box, QStringLiteral("DAT"), false);
        CArtMarks::Arrow(p, QRectF(box.right() - 9, box.bottom() - 10, 10, 10), Dir::kRight,
                         accent);
        break;
    case 251:
        CArtMarks::Badge(p, box.adjusted(3, 3, -3, -3), QStringLiteral("i"),
                         P::Mix(P::kBlue, P::kText, 0.2), P::kWhite);
        break;
    case 252:
        CArtMotifs::TrashCan(p, box);
        break;
    case 253:
        CArtMotifs::Document(p, box, QStringLiteral("CSV"), true);
        break;
    case 254:
        CArtMarks::Badge(p, box.adjusted(3, 3, -3, -3), QStringLiteral("?"), accent, P::kWhite);
        break;
    case 255: // import: a data file coming in
        CArtMotifs::Document(p, box, QStringLiteral("DAT"), false);
        CArtMarks::Arrow(p, QRectF(box.left() - 1, box.bottom() - 10, 10, 10), Dir::kDown, accent);
        break;
    default:
        break;
    }
}

// Draws `draw` through a layer so a disabled face can show it faded.
template <typename Draw>
void InLayer(QPainter& p, const QRect& area, double opacity, Draw draw) {
    // At the canvas's scale, so a scaled picture's motif keeps its detail.
    const qreal scale = p.device()->devicePixelRatio();
    QImage layer(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.translate(-area.topLeft());
        draw(lp);
    }
    p.save();
    p.setOpacity(opacity);
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

bool DrawWords(QPainter& p, const QRect& box, const QString& words, int maxPixel, const QColor& ink,
               QStringList& problems) {
    if (words.isEmpty()) {
        return true;
    }
    CArtText::Style style;
    style.maxPixel = maxPixel;
    style.minPixel = 9;
    style.bold = true;
    style.colour = ink;
    return CArtText::DrawOrReport(p, box, {words}, style, problems);
}

// The graph's scale buttons are tall and narrow: the magnifier on top, the
// word stacked one character a line below it.
void DrawScaleFace(QPainter& p, const PictureSpec& spec, const QRect& face, const QColor& ink,
                   const QColor& lens, QStringList& problems) {
    const bool plus = CArtText::Label(spec, 0) == QStringLiteral("+");
    CArtMarks::Magnifier(p, QRectF(face.left() + 4, face.top() + 8, face.width() - 8, 20), plus,
                         ink, lens);
    const QString word = CArtText::Label(spec, 1);
    QStringList chars;
    for (const QChar c : word) {
        chars << QString(c);
    }
    CArtText::Style style;
    style.maxPixel = 14;
    style.minPixel = 10;
    style.bold = true;
    style.colour = ink;
    style.lineGap = 2;
    if (!chars.isEmpty()) {
        CArtText::DrawOrReport(p, QRect(face.left() + 2, face.top() + 34, face.width() - 4, 44),
                               chars, style, problems);
    }
}

} // namespace

PaintedPicture CNavPainter::ButtonStrip(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const int fw = spec.FrameWidth();
    const bool menu = spec.role == ArtRole::kMenu;
    const bool scale = spec.height > 2 * fw; // the tall graph scale buttons
    QStringList problems;
    for (int f = 0; f < spec.frames; ++f) {
        const auto state = CArtFace::State(f);
        const QRect frame(f * fw, 0, fw, spec.height);
        const QRect face =
            CArtFace::Draw(image, frame, state, scheme, RadiusFor(frame.adjusted(0, 0, -1, -1)));
        const CArtFace::Look look = CArtFace::LookFor(scheme, state);
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        // Leave the border and its ring alone.
        const QRect inner = face.adjusted(2, 2, -2, -2);
        if (scale) {
            DrawScaleFace(p, spec, inner, look.ink, P::kWhite, problems);
            continue;
        }
        const SplitLabel label = Split(CArtText::Label(spec, 0));
        if (menu) {
            const QRect motif(inner.left() + 6, inner.top() + 6, 32, inner.height() - 12);
            const double opacity = state == CArtFace::kDisabled ? 0.4 : 1.0;
            InLayer(p, motif.adjusted(-2, -2, 2, 2), opacity,
                    [&](QPainter& lp) { DrawMenuMotif(lp, spec.id, motif, scheme.accent); });
            DrawWords(p,
                      QRect(motif.right() + 6, inner.top(), inner.right() - motif.right() - 8,
                            inner.height()),
                      label.words, 14, look.ink, problems);
            continue;
        }
        const int arrow = 9; // side of an arrow beside words
        if (label.words.isEmpty()) {
            // A lone arrow fills the middle of a small square button.
            const QRectF box(inner.center().x() - 5.5 + 0.5, inner.center().y() - 6 + 0.5, 11, 12);
            CArtMarks::Arrow(p, box, label.leftArrow ? Dir::kLeft : Dir::kRight, look.ink);
            continue;
        }
        QRect words = inner.adjusted(2, 0, -2, 0);
        const double cy = inner.center().y() + 0.5;
        if (label.leftArrow) {
            CArtMarks::Arrow(p, QRectF(inner.left() + 5, cy - arrow / 2.0, arrow, arrow),
                             Dir::kLeft, look.ink);
            words.setLeft(inner.left() + 5 + arrow + 2);
        }
        if (label.rightArrow) {
            CArtMarks::Arrow(p, QRectF(inner.right() - 5 - arrow, cy - arrow / 2.0, arrow, arrow),
                             Dir::kRight, look.ink);
            words.setRight(inner.right() - 5 - arrow - 2);
        }
        DrawWords(p, words, label.words, 13, look.ink, problems);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, problems};
}

PaintedPicture CNavPainter::SelectField(const PictureSpec& spec) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const int fw = spec.FrameWidth();
    // The program writes the value into the table's first plain area; the
    // drop-down part lies right of it.
    const PlainArea& text = spec.plain[0];
    // The target field writes its value left of its own origin, over the bill
    // box, which draws the well behind it; the strip is then only the button.
    const bool buttonOnly = text.left == 0;
    // Frames: normal, hover, (pressed: never chosen), disabled.
    static constexpr CArtFace::State kStates[] = {CArtFace::kNormal, CArtFace::kHover,
                                                  CArtFace::kPressed, CArtFace::kDisabled};
    for (int f = 0; f < spec.frames && f < 4; ++f) {
        const auto state = kStates[f];
        QRect frame(f * fw, 0, fw, spec.height);
        if (buttonOnly) {
            frame.setLeft(f * fw + text.right + 1);
        }
        const QRect face = CArtFace::Draw(image, frame, state, scheme, buttonOnly ? 5 : 6);
        const CArtFace::Look look = CArtFace::LookFor(scheme, state);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        int markLeft = face.left() + 4;
        if (!buttonOnly) {
            // A quiet divider between the value and the drop-down mark.
            markLeft = f * fw + text.right + 5;
            p.setPen(QPen(P::Mix(look.border, look.bottom, 0.45), 1));
            p.drawLine(QPointF(markLeft + 0.5, face.top() + 6),
                       QPointF(markLeft + 0.5, face.bottom() - 5));
            markLeft += 2;
        }
        const QRectF mark(markLeft, face.top(), face.right() - 2 - markLeft, face.height());
        const QRectF tri(mark.center().x() - 5, mark.center().y() - 4, 10, 8);
        CArtMarks::Arrow(p, tri, Dir::kDown, look.ink);
    }
    return {CArtCanvas::Finish(image, spec.backdrop), spec.frames, {}};
}
