#include "ui/pages/DayFrames.h"

#include <QPainter>

void DayFrames::FrameRect(QImage& image, const QRect& outer, int thickness, const QColor& colour) {
    QPainter painter(&image);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), outer.bottom() - thickness + 1, outer.width(), thickness),
                     colour);
    painter.fillRect(QRect(outer.left(), outer.top(), thickness, outer.height()), colour);
    painter.fillRect(QRect(outer.right() - thickness + 1, outer.top(), thickness, outer.height()),
                     colour);
}
