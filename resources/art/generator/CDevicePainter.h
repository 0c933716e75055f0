#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The select-device pictures: the device button strips (one per list entry and
// the all-air-conditioners one), the list icons of the entries and the
// connection marks.
class CDevicePainter {
public:
    static PaintedPicture DeviceStrip(const PictureSpec& spec);
    static PaintedPicture AllDevicesStrip(const PictureSpec& spec);
    static PaintedPicture ListIcon(const PictureSpec& spec);
    static PaintedPicture AllDevicesIcon(const PictureSpec& spec);
    static PaintedPicture ConnectionMark(const PictureSpec& spec);
};
