#include <QBackingStore>
#include <QImage>

#include "commands/command_ids.h"
#include "tests/gui/gui_fixture.h"

namespace dw::test {
namespace {

using CanvasView = GuiTest;

// Pixels of a canvas-window picture that do not show the shaded cell they lie on (each
// window pixel shows cell floor(pixel / zoom)); at picture (0, 0) lies window point origin.
int wrongPixels(const QImage& picture, QPoint origin, const QRect& window, const Surface& lit,
                float zoom) {
    int wrong = 0;
    for (int y = window.top(); y <= window.bottom(); ++y) {
        for (int x = window.left(); x <= window.right(); ++x) {
            const Pixel cell = lit.getPixel(int(x / zoom), int(y / zoom));
            const QRgb shown = picture.pixel(QPoint(x, y) - origin);
            wrong += shown != qRgb(cell.red, cell.green, cell.blue);
        }
    }
    return wrong;
}

TEST_F(CanvasView, TheScreenAndOtherPicturesShowTheCellUnderEveryPixelAtEveryZoomAndPlace) {
    for (uint32_t y = 0; y < state.painting.height(); ++y) {
        for (uint32_t x = 0; x < state.painting.width(); ++x) {
            state.painting.cellForWriting(x, y).red = uint8_t(x * 7);
            state.painting.cellForWriting(x, y).green = uint8_t(y * 5);
        }
    }
    state.painting.invalidateShading();
    passes();
    CanvasWindow& canvas = gui->canvas();
    // The order matters: a smaller picture after a larger one must not show what the larger
    // one left in memory the two share.
    const int zooms[] = {command::kZoomLast, command::kZoomFirst, command::kZoomFirst + 4,
                         command::kZoomFirst + 2};
    for (const int zoom : zooms) {
        for (const int left : {90, -101}) {
            SCOPED_TRACE("zoom command " + std::to_string(zoom) + ", window at " +
                         std::to_string(left));
            command(zoom);
            gui->moveCanvasWindow({left, 7});
            canvas.repaint();
            const float factor = state.zoomFactor;
            // A painter on a picture of another kind gets a copy kept between paints.
            const QRect part = canvas.rect() & QRect(0, 0, 700, 500);
            QImage other(part.size(), QImage::Format_RGB888);
            canvas.render(&other, {}, part);
            EXPECT_EQ(wrongPixels(other, {}, part, state.painting.surface(), factor), 0);
            // What Qt hands the window system; outside the visible part lies someone else's.
            const auto* screen = dynamic_cast<QImage*>(canvas.backingStore()->paintDevice());
            ASSERT_NE(screen, nullptr);
            const QRect visible = canvas.visibleRegion().boundingRect();
            ASSERT_FALSE(visible.isEmpty());
            EXPECT_EQ(wrongPixels(*screen, -canvas.mapTo(canvas.window(), QPoint()), visible,
                                  state.painting.surface(), factor),
                      0);
        }
    }
}

}  // namespace
}  // namespace dw::test
