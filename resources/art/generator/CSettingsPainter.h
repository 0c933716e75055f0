#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The settings-check pages' pictures: the page panel with its four row bands,
// the row icons, the name and explanation pictures that sit on a band, and
// the plain value boxes the program writes the values into. Icons and plates
// take the band's colour, so they read as part of the row.
class CSettingsPainter {
public:
    static PaintedPicture Panel(const PictureSpec& spec);
    static PaintedPicture Icon(const PictureSpec& spec);
    static PaintedPicture Name(const PictureSpec& spec);
    static PaintedPicture Explanation(const PictureSpec& spec);
    static PaintedPicture ValueBox(const PictureSpec& spec);

    // The page's row areas: row k (0..3) from y 33 + 87 k, 82 high.
    static constexpr int kFirstRowTop = 33;
    static constexpr int kRowPitch = 87;
    static constexpr int kRowHeight = 82;
};
