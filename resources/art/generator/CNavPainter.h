#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The main window's button and field strips: the month steps, the year,
// month and target fields, the current-month and page-step buttons, the
// graph's scale buttons, the four buttons at the foot of every main page and
// the file-management menu buttons, plus the dialogs' stepping buttons, which
// share the same faces. Labels are part of the pictures; the values the
// program writes into a field stay plain.
class CNavPainter {
public:
    static PaintedPicture ButtonStrip(const PictureSpec& spec);
    static PaintedPicture SelectField(const PictureSpec& spec);
};
