#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The electricity-bill box of the calendar and graph pages: its background with
// every caption set just above the place the program writes that value, the
// month target's caption and the well its value is written into; and the
// target level pictures, a row of five leaves of which as many are green as
// the month stays below its target.
class CBillBoxPainter {
public:
    static PaintedPicture BillBox(const PictureSpec& spec);
    static PaintedPicture TargetLevel(const PictureSpec& spec);
};
