#pragma once

#include "resources/art/CPictureTable.h"

#include <QImage>

// The image a painter draws into and the last step that turns it into what the
// program composites: painters draw on transparent pixels and never paint the
// key colour themselves; Finish puts magenta where nothing was drawn.
class CArtCanvas {
public:
    // A transparent ARGB32_Premultiplied image of the picture's size.
    static QImage Blank(const PictureSpec& spec);
    // Keyed: every pixel less than half covered becomes exact magenta, every
    // other one its own colour fully opaque (no fringe into the key, no partial
    // alpha); RGB32. Opaque: RGB32. Alpha: non-premultiplied ARGB32.
    static QImage Finish(const QImage& drawn, ArtBackdrop backdrop);
};
