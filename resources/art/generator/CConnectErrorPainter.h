#pragma once

#include "resources/art/generator/CPicturePainter.h"

// The connect-error dialog's pictures: what went wrong as a heading (the
// table's labels), then what the user can do about it, step by step, beside a
// remote controller on its cable. Opaque on the dialog's white.
class CConnectErrorPainter {
public:
    static PaintedPicture ConnectError(const PictureSpec& spec);
};
