#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "printing/print_geometry.h"
#include "printing/print_painting.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

TEST(PrintGeometry, WorkedExamplesAndEmptyCases) {
    // The full 4800 pixels shrink to 4319: the single-precision 0.9 is below 0.9.
    EXPECT_EQ(placeOnPage(600, 600, 4800, 6600), (PrintPlacement{241, 1141, 4319, 4319}));
    EXPECT_EQ(placeOnPage(1000, 200, 4000, 6000), (PrintPlacement{201, 2641, 3599, 719}));
    // Too tall for the width fit (4096 x 8192): fitted to the height instead.
    EXPECT_EQ(placeOnPage(512, 1024, 4096, 4096), (PrintPlacement{1127, 205, 1843, 3686}));
    // Nothing to place, or nowhere to place it: an empty placement, never a negative size.
    EXPECT_EQ(placeOnPage(0, 10, 4800, 6600), PrintPlacement{});
    EXPECT_EQ(placeOnPage(10, 10, 0, 0), PrintPlacement{});
    EXPECT_EQ(placeOnPage(5000, 1, 100, 100), (PrintPlacement{6, 50, 89, 0}));
}

// Prints to a PDF file, as on a machine without a printer, and looks at the page.
TEST(PrintToPdf, PaintingIsCentredOnOnePageAtThePlacedSize) {
    test::TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("page.pdf")));
    printer.setPageSize(QPageSize(QPageSize::A4));
    AppState state;
    state.painting.create(1000, 200);
    std::fill_n(state.painting.cellsForWriting(), state.painting.cellCount(),
                CanvasCell{200, 20, 30, 0, 0, {0, 0, 0}, 0.0f});
    state.painting.lighting = false;
    ASSERT_TRUE(printPaintingOn(state, printer));
    EXPECT_TRUE(state.painting.shaded);

    const std::string command =
        "pdftoppm -r 150 -png '" + dir.file("page.pdf") + "' '" + dir.file("page") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    ASSERT_TRUE(std::filesystem::exists(dir.file("page-1.png")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("page-2.png")));
    const QImage page(QString::fromStdString(dir.file("page-1.png")));
    QRect painted;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80) {
                painted |= QRect(x, y, 1, 1);
            }
        }
    }
    // The painter's origin is the printable area's corner; the page is seen at 150 dpi.
    const PrintPlacement place = placeOnPage(1000, 200, printer.width(), printer.height());
    const QPoint origin = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    const double scale = 150.0 / printer.resolution();
    EXPECT_NEAR(painted.left(), (origin.x() + place.x) * scale, 2.0);
    EXPECT_NEAR(painted.top(), (origin.y() + place.y) * scale, 2.0);
    EXPECT_NEAR(painted.width(), place.width * scale, 2.0);
    EXPECT_NEAR(painted.height(), place.height * scale, 2.0);
}

}  // namespace
}  // namespace dw
