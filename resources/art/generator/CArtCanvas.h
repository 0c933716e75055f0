#pragma once

#include "resources/art/CPictureTable.h"

#include <QImage>
#include <QRect>

// The image a painter draws into and the last step that turns it into what the
// program composites: painters draw on transparent pixels and never paint the
// key colour themselves; Finish puts magenta where nothing was drawn.
//
// Every picture is drawn twice from the same painting code: at its table size
// and at twice it (`<id>@2x.png`, for screens of a device pixel ratio above 1).
// The scale only changes the canvas: Blank makes an image of the scale's
// device pixels that carries it as its device pixel ratio, so a QPainter on it
// keeps working in the table's (logical) pixels; the painters that set pixels
// themselves go through SetPixel and LogicalCentre below.
class CArtCanvas {
public:
    // The scale Blank draws at while it lives (1 or 2); one at a time, the
    // generator is single-threaded.
    class ScaleScope {
    public:
        explicit ScaleScope(int scale);
        ~ScaleScope();
        ScaleScope(const ScaleScope&) = delete;
        ScaleScope& operator=(const ScaleScope&) = delete;

    private:
        int m_previous;
    };
    static int Scale();

    // A transparent ARGB32_Premultiplied image of the picture's size times the
    // scale, with the scale as its device pixel ratio.
    static QImage Blank(const PictureSpec& spec);
    // Keyed: every pixel less than half covered becomes exact magenta, every
    // other one its own colour fully opaque (no fringe into the key, no partial
    // alpha); RGB32. Opaque: RGB32. Alpha: non-premultiplied ARGB32. The
    // device pixel ratio is kept.
    static QImage Finish(const QImage& drawn, ArtBackdrop backdrop);

    // The image's scale (its device pixel ratio, as a whole number).
    static int ScaleOf(const QImage& image);
    // Logical pixel (x, y) in `rgb`: the scale × scale device pixels it covers.
    static void SetPixel(QImage& image, int x, int y, QRgb rgb);
    // The device pixels of a logical rectangle, clipped to the image.
    static QRect DeviceRect(const QImage& image, const QRect& logical);
    // The centre of device pixel `device` (one coordinate) in logical pixels:
    // at scale 1 the pixel's own centre, x + 0.5.
    static double LogicalCentre(int device, int scale) { return (device + 0.5) / scale; }
};
