#pragma once

#include "resources/art/CPictureTable.h"

#include <QImage>
#include <QStringList>

// What every finished picture must satisfy before it is written: the size and
// frame count of its table row, the rules of its backdrop, and plain areas
// where the program writes. Each broken rule is one line of the result.
// Pictures drawn at a scale (the @2x set) are checked at their own resolution:
// the table's size, frames and areas times the scale.
class CPictureCheck {
public:
    static QStringList Check(const PictureSpec& spec, const QImage& image, int framesDrawn,
                             int scale = 1);
    // A keyed picture at `scale` against its scale-1 drawing: the key colour
    // where the base has it and the shape where the base has it (at least one
    // device pixel of each pixel's block), i.e. the same outline.
    static QStringList CheckScaledAgainst(const PictureSpec& spec, const QImage& scaled,
                                          const QImage& base, int scale);
    // The table itself: ascending unique ids, whole frames, areas inside a frame.
    static QStringList CheckTable();

    // A pixel on the key's edge that lies between the key and its inner
    // neighbour, i.e. a blend of magenta into the shape.
    static bool IsKeyBlend(QRgb pixel, QRgb inner);
};
