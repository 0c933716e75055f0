#pragma once

#include <QRect>

class CDrawSurface;
class QPrinter;
class QWidget;

// Prints the window image on one page: the user picks the printer (or a PDF
// file) in the print dialog; the image is scaled by a whole percentage so it
// fits inside the printable area less its paper margins again, centred
// horizontally and at the top.
class CWindowImagePrinter {
public:
    static constexpr const char* kJobName = "tevaro";

    struct Placement {
        int percent = 0;
        QRect destination; // in printable-area pixels
    };

    // The placement arithmetic, in integers. `horzRes`, `vertRes`: printable
    // area in device pixels; `offsetX`, `offsetY`: its offset on the paper;
    // `width`, `height`: the source rectangle. A source without area gets
    // percent 0 and an empty destination.
    static Placement ComputePlacement(int horzRes, int vertRes, int offsetX, int offsetY, int width,
                                      int height);

    // False only when printing started and failed; true when it printed or
    // the user cancelled the print dialog.
    static bool Print(QWidget* owner, const CDrawSurface& source, const QRect& sourceRect);
    // The job itself on a printer already chosen: one page. False when the
    // job could not start or did not end well.
    static bool PrintTo(QPrinter& printer, const CDrawSurface& source, const QRect& sourceRect);
    // The placement on that printer: its printable area and paper offsets.
    static Placement PlacementFor(const QPrinter& printer, int width, int height);
};
