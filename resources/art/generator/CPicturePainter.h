#pragma once

#include "resources/art/CPictureTable.h"

#include <QImage>
#include <QStringList>

// One drawn picture as a painter hands it back: the finished image, how many
// frames it drew and what went wrong (a text that did not fit, a missing
// painter). The generator checks it against the table before writing it.
struct PaintedPicture {
    QImage image;
    int frames = 0;
    QStringList problems;
};

// Picks the painter of a picture's kind.
class CPicturePainter {
public:
    static PaintedPicture Paint(const PictureSpec& spec);
};
