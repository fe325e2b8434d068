#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <cstdlib>
#include <filesystem>

#include "app/printing/print_geometry.h"
#include "app/printing/print_painting.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

TEST(PrintGeometry, WorkedExamples) {
    // The full 4800 pixels shrink to 4319: the single-precision 0.9 is below 0.9.
    EXPECT_EQ(placeOnPage(600, 600, 4800, 6600), (PrintPlacement{241, 1141, 4319, 4319}));
    EXPECT_EQ(placeOnPage(1000, 200, 4000, 6000), (PrintPlacement{201, 2641, 3599, 719}));
    // Too tall for the width fit (4096 x 8192): fitted to the height instead.
    EXPECT_EQ(placeOnPage(512, 1024, 4096, 4096), (PrintPlacement{1127, 205, 1843, 3686}));
}

TEST(PrintGeometry, NothingToPlaceGivesAnEmptyPlacement) {
    EXPECT_EQ(placeOnPage(0, 10, 4800, 6600), PrintPlacement{});
    EXPECT_EQ(placeOnPage(10, 10, 0, 0), PrintPlacement{});
    EXPECT_EQ(placeOnPage(5000, 1, 100, 100), (PrintPlacement{6, 50, 89, 0}));
}

// Prints to a PDF file, as on a machine without a printer, and looks at the page.
class PrintToPdf : public ::testing::Test {
  protected:
    PrintToPdf() {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.file("page.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    // A painting of one flat colour, shown unlit.
    void paint(uint32_t width, uint32_t height) {
        state.painting.create(width, height);
        for (std::size_t i = 0; i < state.painting.cellCount(); ++i) {
            state.painting.cells()[i] = {200, 20, 30, 0, 0, {0, 0, 0}, 0.0f};
        }
        state.painting.lighting = false;
        state.painting.invalidateShading();
    }

    // The painted rectangle on the page rendered at 150 dots per inch.
    QRect paintedArea() {
        const std::string command =
            "pdftoppm -r 150 -png '" + dir.file("page.pdf") + "' '" + dir.file("page") + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        int pages = 0;
        std::string first;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            if (entry.path().extension() == ".png") {
                ++pages;
                first = entry.path().string();
            }
        }
        EXPECT_EQ(pages, 1);
        const QImage page(QString::fromStdString(first));
        QRect area;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 80 && c.blue() < 80) {
                    area |= QRect(x, y, 1, 1);
                }
            }
        }
        return area;
    }

    void expectPlacedAsComputed(const QRect& area) {
        const PrintPlacement place = placeOnPage(state.painting.width(), state.painting.height(),
                                                 printer.width(), printer.height());
        const QPoint origin = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
        const double scale = 150.0 / printer.resolution();
        EXPECT_NEAR(area.left(), (origin.x() + place.x) * scale, 2.0);
        EXPECT_NEAR(area.top(), (origin.y() + place.y) * scale, 2.0);
        EXPECT_NEAR(area.width(), place.width * scale, 2.0);
        EXPECT_NEAR(area.height(), place.height * scale, 2.0);
    }

    test::TempDir dir;
    AppState state;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PrintToPdf, WidePaintingFillsNineTenthsOfTheWidthCentredOnOnePage) {
    paint(1000, 200);
    ASSERT_TRUE(printPaintingOn(state, printer));
    const QRect area = paintedArea();
    ASSERT_FALSE(area.isEmpty());
    expectPlacedAsComputed(area);
    EXPECT_TRUE(state.painting.shaded);
}

TEST_F(PrintToPdf, TallPaintingIsFittedToTheHeight) {
    paint(100, 1000);
    ASSERT_TRUE(printPaintingOn(state, printer));
    const QRect area = paintedArea();
    ASSERT_FALSE(area.isEmpty());
    expectPlacedAsComputed(area);
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    EXPECT_NEAR(area.height(), int(pageHeight * double(0.9f)) * 150.0 / printer.resolution(), 2.0);
}

}  // namespace
}  // namespace dw
