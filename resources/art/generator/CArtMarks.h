#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

// The small marks the main window's buttons, fields and bill box share:
// arrows, the drop-down mark, the magnifier of the graph scale, round badges
// with one glyph and the leaves of the target level. Each is drawn
// anti-aliased inside `box`; keyed pictures harden their outer edges later.
class CArtMarks {
public:
    enum class Direction { kLeft, kRight, kDown };

    // A solid triangle pointing in `direction`, centred in `box`.
    static void Arrow(QPainter& p, const QRectF& box, Direction direction, const QColor& ink);
    // A magnifying glass with a plus (zoom in) or a minus (zoom out) in its lens.
    static void Magnifier(QPainter& p, const QRectF& box, bool plus, const QColor& ink,
                          const QColor& lens);
    // A filled disc with one bold glyph ("?", "i") in the middle.
    static void Badge(QPainter& p, const QRectF& box, const QString& glyph, const QColor& fill,
                      const QColor& ink);
    // A leaf with its midrib, leaning right; `lit` fills it in green, else only
    // a pale outline shows where the leaf would be.
    static void Leaf(QPainter& p, const QRectF& box, bool lit);
};
