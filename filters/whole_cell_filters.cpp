#include "filters/whole_cell_filters.h"

#include "filters/cell_blend.h"
#include "filters/filter_frame.h"

namespace dw {

void defenestrate(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteCells(painting, history, [](CanvasCell& c) {
        // The low 8 bits of the truncated height: -1.5 gives 255.
        const auto red = uint8_t(truncToInt(c.height));
        const uint8_t green = c.paint;
        const uint8_t blue = c.red;
        const uint8_t paint = c.green;
        const auto height = float(c.blue);
        c.red = blendByte(c.red, red);
        c.green = blendByte(c.green, green);
        c.blue = blendByte(c.blue, blue);
        c.height = blendHeight(c.height, height);
        c.paint = blendByte(c.paint, paint);
    });
}

void clear(Canvas& painting, UndoHistory& history, const FilterInputs& inputs) {
    const uint8_t red = inputs.brush.red;
    const uint8_t green = inputs.brush.green;
    const uint8_t blue = inputs.brush.blue;
    rewriteCells(painting, history, [red, green, blue](CanvasCell& c) {
        c.red = blendByte(c.red, red);
        c.green = blendByte(c.green, green);
        c.blue = blendByte(c.blue, blue);
        c.height = blendHeight(c.height, 0.0f);
        c.paint = blendByte(c.paint, 0);
        c.gloss = blendGloss(c.gloss, 0);
    });
}

}  // namespace dw
