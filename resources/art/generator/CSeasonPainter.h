#pragma once

#include "resources/art/generator/CPicturePainter.h"

#include <QRect>

// The main window's background of the day: a light picture per month, a
// neutral one, and one for each of the five special days. The window's panels
// cover most of it, so each picture says its season in the band above the
// panels and in a pale scene on the right that shows while the menu page is
// open, and stays light everywhere so pages drawn over it read well.
class CSeasonPainter {
public:
    static PaintedPicture Season(const PictureSpec& spec);

    // Where the main window's panels lie over the picture, in its own pixels.
    static QRect LeftPane() { return QRect(3, 58, 200, 498); }
    static QRect MainPane() { return QRect(206, 59, 802, 498); }
    // The band above the panels, where the picture shows most.
    static constexpr int kTopBand = 58;
};
