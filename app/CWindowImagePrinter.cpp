#include "app/CWindowImagePrinter.h"

#include "ui/draw/CDrawSurface.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

CWindowImagePrinter::Placement CWindowImagePrinter::ComputePlacement(int horzRes, int vertRes,
                                                                     int offsetX, int offsetY,
                                                                     int width, int height) {
    Placement placement;
    if (width <= 0 || height <= 0) {
        return placement;
    }
    const int byWidth = (horzRes - 2 * offsetX) * 100 / width;
    const int byHeight = (vertRes - 2 * offsetY) * 100 / height;
    // A printable area smaller than its own margins prints nothing rather than
    // a mirrored image.
    placement.percent = std::max(0, std::min(byWidth, byHeight));
    const int destWidth = width * placement.percent / 100;
    const int destHeight = height * placement.percent / 100;
    placement.destination = QRect((horzRes - destWidth) / 2 + offsetX, 0, destWidth, destHeight);
    return placement;
}

bool CWindowImagePrinter::Print(QWidget* owner, const CDrawSurface& source,
                                const QRect& sourceRect) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kJobName));
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // A user without a printer can still keep the page as a PDF.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted) {
        return true;
    }

    return PrintTo(printer, source, sourceRect);
}

CWindowImagePrinter::Placement CWindowImagePrinter::PlacementFor(const QPrinter& printer, int width,
                                                                 int height) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    return ComputePlacement(printer.width(), printer.height(),
                            static_cast<int>(std::lround(page.left() - paper.left())),
                            static_cast<int>(std::lround(page.top() - paper.top())), width, height);
}

bool CWindowImagePrinter::PrintTo(QPrinter& printer, const CDrawSurface& source,
                                  const QRect& sourceRect) {
    printer.setDocName(QString::fromLatin1(kJobName));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const Placement placement = PlacementFor(printer, sourceRect.width(), sourceRect.height());
    if (!placement.destination.isEmpty() && !source.IsEmpty()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        // The placement is worked out in logical pixels, so the page shows
        // the same size at every ratio; the canvas's device pixels give it
        // its detail.
        painter.drawImage(placement.destination, source.Image(), source.DeviceRect(sourceRect));
    }
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}
