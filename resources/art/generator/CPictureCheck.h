#pragma once

#include "resources/art/CPictureTable.h"

#include <QImage>
#include <QStringList>

// What every finished picture must satisfy before it is written: the size and
// frame count of its table row, the rules of its backdrop, and plain areas
// where the program writes. Each broken rule is one line of the result.
class CPictureCheck {
public:
    static QStringList Check(const PictureSpec& spec, const QImage& image, int framesDrawn);
    // The table itself: ascending unique ids, whole frames, areas inside a frame.
    static QStringList CheckTable();

    // A pixel on the key's edge that lies between the key and its inner
    // neighbour, i.e. a blend of magenta into the shape.
    static bool IsKeyBlend(QRgb pixel, QRgb inner);
};
