#pragma once

#include <QPainter>
#include <QRectF>

// The small pictures the dialogs and pages share: each fills the middle of
// `box` (drawn square, anti-aliased) in the palette's colours. Painters of
// keyed pictures finish them through CArtCanvas, which hardens the edges.
class CArtMotifs {
public:
    static void RemoteController(QPainter& p, const QRectF& box);
    static void Computer(QPainter& p, const QRectF& box);
    // A document; `tag` is the short word on its label ("DAT", "CSV").
    static void Document(QPainter& p, const QRectF& box, const QString& tag, bool grid);
    static void AirConditioner(QPainter& p, const QRectF& box, bool withAir);
    static void TrashCan(QPainter& p, const QRectF& box);
    // A plug, as the "connected" sign; `ink` is its colour.
    static void Plug(QPainter& p, const QRectF& box, const QColor& ink);
};
