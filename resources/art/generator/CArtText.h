#pragma once

#include "resources/art/CPictureTable.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

// Japanese text inside a picture: the lines are set as large as `maxPixel`
// allows and shrunk until every glyph lies inside the box. A text that does not
// fit even at `minPixel` is not drawn and reported, so the generator can fail
// instead of shipping a cut-off label.
class CArtText {
public:
    struct Style {
        int maxPixel = 14;
        int minPixel = 9;
        bool bold = false;
        Qt::Alignment align = Qt::AlignCenter; // horizontal and vertical parts used
        QColor colour;
        int lineGap = 3; // pixels between the em boxes of two lines
    };

    // Draws `lines` in `box`. Returns the pixel size used, or 0 (nothing drawn
    // and `problem` set) when the text cannot fit.
    static int Draw(QPainter& painter, const QRect& box, const QStringList& lines,
                    const Style& style, QString* problem);
    // Draw, adding the problem to `problems` when the text cannot fit; false
    // then.
    static bool DrawOrReport(QPainter& painter, const QRect& box, const QStringList& lines,
                             const Style& style, QStringList& problems);
    // The glyph bounds the lines would take at `pixel` (for checks and layout).
    static QRect Bounds(const QRect& box, const QStringList& lines, const Style& style, int pixel);

    // The picture's label `i` (below LabelCount()), and all its labels in order.
    static QString Label(const PictureSpec& spec, int i);
    static QStringList Labels(const PictureSpec& spec);
};
