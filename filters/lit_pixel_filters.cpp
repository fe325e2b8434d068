#include "filters/lit_pixel_filters.h"

#include <algorithm>
#include <string_view>

#include "filters/cell_blend.h"
#include "filters/filter_frame.h"

namespace dw {
namespace {

struct LitPixel {
    uint8_t red;
    uint8_t green;
    uint8_t blue;

    uint8_t smallest() const { return std::min(std::min(red, green), blue); }
};

template <class FromPixel>
void rewriteFromLitPixels(Canvas& painting, UndoHistory& history, FromPixel fromPixel) {
    if (!painting.shaded) {
        painting.shadeAll();
    }
    const Surface& surface = painting.surface();
    // A surface that could not be created reads black, as its pixel reads do.
    const bool readable = surface.valid() && surface.width() == painting.width() &&
                          surface.height() == painting.height();
    const uint32_t step = surface.bytesPerPixel();
    rewriteRows(painting, history, [&](uint32_t y, CanvasCell* row, uint32_t width) {
        if (!readable) {
            for (uint32_t x = 0; x < width; ++x) {
                fromPixel(row[x], LitPixel{0, 0, 0});
            }
            return;
        }
        // Surfaces keep blue, green, red.
        const uint8_t* pixel = surface.row(y);
        for (uint32_t x = 0; x < width; ++x, pixel += step) {
            fromPixel(row[x], LitPixel{pixel[2], pixel[1], pixel[0]});
        }
    });
}

}  // namespace

void sicken(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteFromLitPixels(painting, history, [](CanvasCell& c, LitPixel p) {
        const uint8_t m = p.smallest();
        c.red = blendByte(c.red, uint8_t(p.red - m));
        c.green = blendByte(c.green, uint8_t(p.green - m));
        c.blue = blendByte(c.blue, uint8_t(p.blue - m));
        c.height = blendHeight(c.height, 0.0f);
        c.paint = blendByte(c.paint, 0);
    });
}

void flatten(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteFromLitPixels(painting, history, [](CanvasCell& c, LitPixel p) {
        const uint8_t m = p.smallest();
        c.red = blendByte(c.red, uint8_t(p.red - m));
        c.green = blendByte(c.green, uint8_t(p.green - m));
        c.blue = blendByte(c.blue, uint8_t(p.blue - m));
        c.height = blendHeight(c.height, 0.0f);
        c.paint = blendByte(c.paint, m);
        c.gloss = blendGloss(c.gloss, 0);
    });
}

}  // namespace dw
