#include "resources/art/generator/CArtFace.h"

#include "resources/art/generator/CArtCanvas.h"

#include <algorithm>
#include <utility>

namespace {

using P = CArtPalette;

} // namespace

CArtFace::Look CArtFace::LookFor(const CArtPalette::Scheme& scheme, State state) {
    const QColor selTop = P::Mix(P::kPink, P::kWhite, 0.78);
    const QColor selBottom = P::Mix(P::kPink, P::kWhite, 0.42);
    switch (state) {
    case kHover:
        return {P::kWhite, P::Mix(scheme.faceBottom, P::kWhite, 0.45),
                P::Mix(scheme.border, P::kText, 0.15), QColor(), P::kText};
    case kPressed:
        return {P::Mix(scheme.faceBottom, P::kText, 0.04),
                P::Mix(scheme.faceBottom, P::kText, 0.11), P::Mix(scheme.border, P::kText, 0.3),
                QColor(), P::kText};
    case kDisabled:
        return {P::Mix(scheme.faceTop, P::kDialog, 0.5), P::Mix(scheme.faceBottom, P::kDialog, 0.6),
                P::Mix(scheme.border, P::kDialog, 0.65), QColor(),
                P::Mix(P::kText, P::kDialog, 0.6)};
    case kSelected:
        return {selTop, selBottom, scheme.accent, P::Mix(scheme.accent, P::kWhite, 0.35), P::kText};
    case kSelectedHover:
        return {P::kWhite, P::Mix(selBottom, P::kWhite, 0.45), scheme.accent,
                P::Mix(scheme.accent, P::kWhite, 0.5), P::kText};
    case kSelectedPressed:
        return {P::Mix(selBottom, P::kText, 0.03), P::Mix(selBottom, P::kText, 0.1),
                P::Mix(scheme.accent, P::kText, 0.25), P::Mix(scheme.accent, P::kWhite, 0.2),
                P::kText};
    case kNormal:
    default:
        return {scheme.faceTop, scheme.faceBottom, scheme.border, QColor(), P::kText};
    }
}

QRect CArtFace::Draw(QImage& image, const QRect& frame, State state,
                     const CArtPalette::Scheme& scheme, int radius) {
    QRect face(frame.x(), frame.y(), frame.width() - 1, frame.height() - 1);
    if (IsPressed(state)) {
        face.translate(1, 1);
    }
    const Look look = LookFor(scheme, state);
    FillRounded(image, face, radius, look.top, look.bottom, look.border, look.ring);
    return face;
}

bool CArtFace::Inside(const QRect& rect, int radius, int x, int y) {
    return InsideAt(rect, radius, x + 0.5, y + 0.5);
}

bool CArtFace::InsideAt(const QRect& rect, int radius, double px, double py) {
    // The pixels QRect::contains takes for the rectangle (an inverted one
    // normalised as it does); a pixel centre lies in their span exactly when
    // its pixel is one of them.
    const auto span = [](int first, int last, double p) {
        if (last < first - 1) {
            std::swap(first, last);
            ++first;
            --last;
        }
        return p >= first && p < last + 1;
    };
    if (!span(rect.left(), rect.right(), px) || !span(rect.top(), rect.bottom(), py)) {
        return false;
    }
    const int r = std::min({radius, rect.width() / 2, rect.height() / 2});
    if (r <= 0) {
        return true;
    }
    // Distance of the point from the centre of the nearest corner arc.
    const double left = rect.left() + r;
    const double right = rect.left() + rect.width() - r;
    const double top = rect.top() + r;
    const double bottom = rect.top() + rect.height() - r;
    const double cx = px < left ? left : (px > right ? right : px);
    const double cy = py < top ? top : (py > bottom ? bottom : py);
    const double dx = px - cx;
    const double dy = py - cy;
    return dx * dx + dy * dy <= double(r) * r;
}

void CArtFace::FillRounded(QImage& image, const QRect& rect, int radius, const QColor& top,
                           const QColor& bottom, const QColor& border, const QColor& ring) {
    const QRect inner = rect.adjusted(1, 1, -1, -1);
    const QRect innerRing = rect.adjusted(2, 2, -2, -2);
    // Every device pixel is tested at its own centre, so at scale 2 the
    // corners and the border are drawn at the finer resolution; at scale 1
    // the centres are the pixels' own.
    const int s = CArtCanvas::ScaleOf(image);
    const QRect clip = CArtCanvas::DeviceRect(image, rect);
    const int span = std::max(1, rect.height() - 1);
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
        const double py = CArtCanvas::LogicalCentre(y, s);
        const QColor fill = P::Mix(top, bottom, (py - 0.5 - rect.top()) / span);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clip.left(); x <= clip.right(); ++x) {
            const double px = CArtCanvas::LogicalCentre(x, s);
            if (!InsideAt(rect, radius, px, py)) {
                continue;
            }
            QColor c = fill;
            if (!InsideAt(inner, radius - 1, px, py)) {
                c = border;
            } else if (ring.isValid() && !InsideAt(innerRing, radius - 2, px, py)) {
                c = ring;
            }
            line[x] = c.rgb() | 0xff000000u;
        }
    }
}
