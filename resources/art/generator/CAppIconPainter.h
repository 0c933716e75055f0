#pragma once

#include "resources/art/generator/CPicturePainter.h"

#include <QString>

// The program icon: a blue tile with the air conditioner and its air. One list
// of shapes gives both the 48 × 48 PNG and the scalable SVG the installer puts
// into the hicolor theme, so the two never drift apart.
class CAppIconPainter {
public:
    static PaintedPicture Png(const PictureSpec& spec);
    // The same shapes as an SVG document (48 × 48 user units).
    static QString Svg();
};
