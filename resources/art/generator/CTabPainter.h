#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The tab header pictures of the two tab controls, which double as their pages'
// backgrounds: the headers across the top in the state the picture stands for
// (the selected one joined to the page below it, a hovered one lighter, a
// disabled one faded) and the page as one calm panel. The pages copy the part
// of the picture that lies under them, so the panel carries nothing that
// belongs to a page's changing content.
class CTabPainter {
public:
    static PaintedPicture LeftHeader(const PictureSpec& spec);
    static PaintedPicture MainHeader(const PictureSpec& spec);
};
