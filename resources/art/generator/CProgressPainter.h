#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The progress dialogs' pictures: the five backgrounds, each saying in words
// and a small picture what is going on, and the five animation steps drawn
// over them.
class CProgressPainter {
public:
    static PaintedPicture Background(const PictureSpec& spec);
    static PaintedPicture Step(const PictureSpec& spec);

    // Where the dialog draws the animation over the background of `jobKind`.
    static QRect AnimationRect(int jobKind);
};
