#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The one-point advice dialog's backgrounds: a card with the heading, a motif
// and a season tag, the tip in words, and below it a calm band whose corners
// stay plain for the dialog's ◀ ▶ buttons. The words come from CAdviceTexts.
class CAdvicePainter {
public:
    static PaintedPicture Advice(const PictureSpec& spec);
};
