// Placement of the window image on the printed page, and one real job into a
// PDF file.
#include "app/CWindowImagePrinter.h"
#include "support/TempDir.h"
#include "ui/draw/CDrawSurface.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
struct PlacementCase {
    const char* name;
    int horzRes, vertRes, offsetX, offsetY, width, height;
    int percent;
    QRect destination;
};

TEST(WindowImagePrinterTest, PlacementScalesByAWholePercentageCentredAtTheTop) {
    const PlacementCase cases[] = {
        // A4 at 600 dpi (4961 × 7016 paper) with 100-pixel unprintable edges.
        {"A4 portrait", 4761, 6816, 100, 100, 1020, 578, 447, QRect(201, 0, 4559, 2583)},
        {"A4 landscape", 6816, 4761, 100, 100, 1020, 578, 648, QRect(203, 0, 6609, 3745)},
        // Wider in proportion than the image: the height decides.
        {"wide printer", 4000, 1000, 0, 0, 1020, 578, 173, QRect(1118, 0, 1764, 999)},
        {"wide with offsets", 4000, 1000, 30, 20, 1020, 578, 166, QRect(1183, 0, 1693, 959)},
        // A source rectangle other than the whole window.
        {"part of the image", 4761, 6816, 100, 100, 510, 289, 894, QRect(201, 0, 4559, 2583)},
        // Margins larger than the area leave nothing to print.
        {"margins too large", 100, 100, 80, 80, 1020, 578, 0, QRect(130, 0, 0, 0)},
        {"no source", 4761, 6816, 100, 100, 0, 578, 0, QRect()},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto placement = CWindowImagePrinter::ComputePlacement(
            c.horzRes, c.vertRes, c.offsetX, c.offsetY, c.width, c.height);
        EXPECT_EQ(placement.percent, c.percent);
        EXPECT_EQ(placement.destination, c.destination);
        if (placement.percent > 0) {
            // Inside the printable area less the margins, centred within a pixel.
            EXPECT_LE(placement.destination.width(), c.horzRes - 2 * c.offsetX);
            EXPECT_LE(placement.destination.height(), c.vertRes - 2 * c.offsetY);
            const int left = placement.destination.left() - c.offsetX;
            const int right = c.horzRes - placement.destination.width() - left;
            EXPECT_LE(std::abs(left - right), 1);
            EXPECT_EQ(placement.destination.top(), 0);
        }
    }
}

TEST(WindowImagePrinterTest, PrintsOnePageIntoAPdfAtItsResolution) {
    TempDir dir;
    CDrawSurface surface;
    ASSERT_TRUE(surface.CreateSurface(1020, 578));
    surface.Fill(QColor(200, 30, 40));
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        SCOPED_TRACE(static_cast<int>(orientation));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Point);
        const std::string file = dir.File(orientation == QPageLayout::Portrait ? "p.pdf" : "l.pdf");
        printer.setOutputFileName(QString::fromStdString(file));

        const auto placement = CWindowImagePrinter::PlacementFor(printer, 1020, 578);
        // 12 points at 600 dpi are 100 pixels each side.
        const int horz = printer.width();
        const auto expected =
            CWindowImagePrinter::ComputePlacement(horz, printer.height(), 100, 100, 1020, 578);
        EXPECT_EQ(placement.percent, expected.percent);
        EXPECT_EQ(placement.destination, expected.destination);
        EXPECT_GT(placement.percent, 300);

        ASSERT_TRUE(CWindowImagePrinter::PrintTo(printer, surface, QRect(0, 0, 1020, 578)));
        EXPECT_EQ(printer.docName(), QStringLiteral("tevaro"));
        const std::string pdf = ReadFileBytes(file);
        ASSERT_GT(pdf.size(), 100u);
        EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    }
}
} // namespace
