#pragma once

#include "resources/art/generator/CArtPalette.h"

#include <QImage>
#include <QRect>

// Button and field faces: rounded corners, a one-pixel border and a soft
// vertical gradient, with the state looks every strip shares. Shapes are set
// pixel by pixel (device pixels in a scaled picture), so their edges are hard
// wherever they meet the key colour.
class CArtFace {
public:
    // Frame order of every button strip (a shorter strip stops earlier).
    enum State {
        kNormal = 0,
        kHover,
        kPressed,
        kDisabled,
        kSelected,
        kSelectedHover,
        kSelectedPressed,
    };
    static bool IsPressed(State s) { return s == kPressed || s == kSelectedPressed; }
    static bool IsSelected(State s) { return s >= kSelected; }

    struct Look {
        QColor top;
        QColor bottom;
        QColor border;
        QColor ring; // second ring inside the border; invalid for none
        QColor ink;  // text and marks on the face
    };
    // The colours of `state` in `scheme`.
    static Look LookFor(const CArtPalette::Scheme& scheme, State state);

    // The face of one frame: the shape fills `frame` less one pixel at the
    // right and bottom, and moves one pixel down and right when pressed.
    // Returns the rectangle the face took.
    static QRect Draw(QImage& image, const QRect& frame, State state,
                      const CArtPalette::Scheme& scheme, int radius);

    // A rounded rectangle filled with a vertical gradient and a border (and an
    // optional second ring), set pixel by pixel with hard edges. The image is
    // ARGB32_Premultiplied; colours are opaque.
    static void FillRounded(QImage& image, const QRect& rect, int radius, const QColor& top,
                            const QColor& bottom, const QColor& border,
                            const QColor& ring = QColor());
    // Whether the pixel (x, y) of `rect` lies inside its rounded shape.
    static bool Inside(const QRect& rect, int radius, int x, int y);
    // The same for a point in logical pixels (a pixel is inside when its
    // centre, (x + 0.5, y + 0.5), is): what the scaled pictures test their
    // device pixels with.
    static bool InsideAt(const QRect& rect, int radius, double px, double py);
};
