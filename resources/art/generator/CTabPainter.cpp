#include "resources/art/generator/CTabPainter.h"

#include "resources/art/generator/CArtCanvas.h"
#include "resources/art/generator/CArtFace.h"
#include "resources/art/generator/CArtPalette.h"
#include "resources/art/generator/CArtText.h"

#include <QPainter>

#include <vector>

namespace {

using P = CArtPalette;

constexpr int kHeaderHeight = 26; // the pages start this far down
constexpr int kHeaderGap = 2;
constexpr int kTabRadius = 6;
constexpr int kPanelRadius = 8;
// An unselected header sits a little lower than the selected one.
constexpr int kUnselectedDrop = 3;

enum class TabState { kNormal, kHover, kSelected, kDisabled };

struct Header {
    QRect rect;
    QString label;
    TabState state;
};

// Colours of the page and its selected header: a pale wash of the place's
// tint at the top, easing into cream, so the header reads as the top of the
// page it opens.
struct PanelLook {
    QColor top;
    QColor bottom;
    QColor border;
    QColor accent;
};

PanelLook PanelFor(const CArtPalette::Scheme& scheme, bool variantC) {
    PanelLook look;
    look.top = P::Mix(scheme.faceBottom, P::kWhite, 0.55);
    look.bottom = P::Mix(P::kCream, look.top, 0.25);
    look.border = scheme.border;
    look.accent = scheme.accent;
    if (variantC) {
        // The settings of the other remote controller generation get their own
        // green, matching their connection mark.
        const QColor green = P::Mix(P::EntryColour(4), P::kBlue, 0.35);
        look.top = P::Mix(green, P::kWhite, 0.82);
        look.border = P::Mix(green, P::kText, 0.2);
        look.accent = P::Mix(green, P::kText, 0.1);
    }
    return look;
}

// A rounded-top shape open at the bottom: the header's sides and top carry the
// border; below it lies the page's top border or, under the selected header,
// the page itself.
void FillHeader(QImage& image, const QRect& rect, const QColor& top, const QColor& bottom,
                const QColor& border, const QColor& ring) {
    const QRect shape = rect.adjusted(0, 0, 0, kTabRadius + 2);
    const QRect inner = shape.adjusted(1, 1, -1, 0);
    const QRect innerRing = shape.adjusted(2, 2, -2, 0);
    const int span = std::max(1, rect.height() - 1);
    // Device pixels, each tested at its centre in logical pixels (see
    // CArtFace::FillRounded).
    const int s = CArtCanvas::ScaleOf(image);
    const QRect device = CArtCanvas::DeviceRect(image, rect);
    for (int y = device.top(); y <= device.bottom(); ++y) {
        const double py = CArtCanvas::LogicalCentre(y, s);
        const QColor fill = P::Mix(top, bottom, (py - 0.5 - rect.top()) / span);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = device.left(); x <= device.right(); ++x) {
            const double px = CArtCanvas::LogicalCentre(x, s);
            if (!CArtFace::InsideAt(shape, kTabRadius, px, py)) {
                continue;
            }
            QColor c = fill;
            if (!CArtFace::InsideAt(inner, kTabRadius - 1, px, py)) {
                c = border;
            } else if (ring.isValid() && !CArtFace::InsideAt(innerRing, kTabRadius - 2, px, py)) {
                c = ring;
            }
            line[x] = c.rgb() | 0xff000000u;
        }
    }
}

PaintedPicture Paint(const PictureSpec& spec, const std::vector<Header>& headers, bool variantC) {
    QImage image = CArtCanvas::Blank(spec);
    const auto scheme = P::SchemeFor(spec.role);
    const PanelLook panel = PanelFor(scheme, variantC);

    // The page: one panel from the headers' foot to the picture's foot.
    const QRect page(0, kHeaderHeight, spec.width, spec.height - kHeaderHeight);
    CArtFace::FillRounded(image, page, kPanelRadius, panel.top, panel.bottom, panel.border,
                          P::Mix(panel.top, P::kWhite, 0.6));

    QStringList problems;
    for (const Header& h : headers) {
        QColor top;
        QColor bottom;
        QColor border;
        QColor ring;
        QColor ink;
        QRect rect = h.rect;
        switch (h.state) {
        case TabState::kSelected:
            // Reaches one row into the page and replaces its top border there,
            // so header and page are one shape.
            rect.setBottom(kHeaderHeight);
            top = P::kWhite;
            bottom = panel.top;
            border = panel.accent;
            ink = P::kText;
            break;
        case TabState::kHover: {
            // Lighter and lifted halfway towards the selected header.
            const CArtFace::Look look = CArtFace::LookFor(scheme, CArtFace::kHover);
            rect.setTop(rect.top() + kUnselectedDrop - 2);
            top = P::kWhite;
            bottom = P::Mix(scheme.faceBottom, P::kWhite, 0.6);
            border = look.border;
            ring = P::kWhite;
            ink = look.ink;
            break;
        }
        case TabState::kDisabled: {
            const CArtFace::Look look = CArtFace::LookFor(scheme, CArtFace::kDisabled);
            rect.setTop(rect.top() + kUnselectedDrop);
            top = look.top;
            bottom = look.bottom;
            border = look.border;
            ink = look.ink;
            break;
        }
        case TabState::kNormal: {
            // A shade deeper than the page, so the open page stands in front.
            const CArtFace::Look look = CArtFace::LookFor(scheme, CArtFace::kNormal);
            rect.setTop(rect.top() + kUnselectedDrop);
            top = P::Mix(scheme.faceBottom, P::kWhite, 0.35);
            bottom = P::Mix(scheme.faceBottom, P::kText, 0.07);
            border = look.border;
            ink = look.ink;
            break;
        }
        }
        FillHeader(image, rect, top, bottom, border, ring);
        if (h.state == TabState::kSelected) {
            // A short accent bar across the top names the open page.
            for (int x = rect.left() + kTabRadius; x <= rect.right() - kTabRadius; ++x) {
                CArtCanvas::SetPixel(image, x, rect.top() + 1, panel.accent.rgb());
            }
        }
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        CArtText::Style style;
        style.maxPixel = 13;
        style.minPixel = 10;
        style.bold = true;
        style.colour = ink;
        const QRect box(rect.left() + 3, rect.top() + 2, rect.width() - 6,
                        h.rect.bottom() - rect.top() - 2);
        CArtText::DrawOrReport(p, box, {h.label}, style, problems);
    }
    return {image, 1, problems};
}

TabState StateOf(int tab, int selected, int hovered, bool disabled) {
    if (tab == selected) {
        return TabState::kSelected;
    }
    if (disabled) {
        return TabState::kDisabled;
    }
    return tab == hovered ? TabState::kHover : TabState::kNormal;
}

} // namespace

PaintedPicture CTabPainter::LeftHeader(const PictureSpec& spec) {
    constexpr int kFirst = 5;
    constexpr int kWidth = 78;
    const int selected = spec.variant / 10;
    const int hovered = spec.variant % 10;
    std::vector<Header> headers;
    for (int i = 0; i < 2; ++i) {
        headers.push_back({QRect(kFirst + i * (kWidth + kHeaderGap), 0, kWidth, kHeaderHeight),
                           CArtText::Label(spec, i), StateOf(i + 1, selected, hovered, false)});
    }
    PaintedPicture picture = Paint(spec, headers, false);
    picture.image = CArtCanvas::Finish(picture.image, spec.backdrop);
    return picture;
}

PaintedPicture CTabPainter::MainHeader(const PictureSpec& spec) {
    constexpr int kFirst = 295;
    constexpr int kWidth = 158;
    const int selected = spec.variant / 100;
    const int hovered = spec.variant / 10 % 10;
    const int flags = spec.variant % 10;
    const bool settingsDisabled = (flags & 1) != 0;
    const bool variantC = (flags & 2) != 0;
    std::vector<Header> headers;
    for (int i = 0; i < 3; ++i) {
        headers.push_back({QRect(kFirst + i * (kWidth + kHeaderGap), 0, kWidth, kHeaderHeight),
                           CArtText::Label(spec, i),
                           StateOf(i + 1, selected, hovered, i == 2 && settingsDisabled)});
    }
    PaintedPicture picture = Paint(spec, headers, variantC);
    if (selected == 3) {
        // The settings pages write their page number in white between the two
        // step buttons: a deep pill under it keeps it readable.
        const auto scheme = P::SchemeFor(spec.role);
        const PanelLook panel = PanelFor(scheme, variantC);
        const QColor pill = P::Mix(panel.border, P::kText, 0.15);
        CArtFace::FillRounded(picture.image, QRect(355, 33, 115, 28), 8,
                              P::Mix(pill, P::kWhite, 0.12), pill, P::Mix(pill, P::kText, 0.2));
    }
    picture.image = CArtCanvas::Finish(picture.image, spec.backdrop);
    return picture;
}
