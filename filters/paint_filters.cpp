#include "filters/paint_filters.h"

#include <vector>

#include "filters/cell_blend.h"
#include "filters/filter_frame.h"
#include "filters/tile_sampling.h"

namespace dw {

void invertPaint(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteCells(painting, history,
                 [](CanvasCell& c) { c.paint = blendByte(c.paint, uint8_t(255 - c.paint)); });
}

void fillPaint(Canvas& painting, UndoHistory& history, const FilterInputs& inputs) {
    const PatternTile& tile = styleTile(inputs.patterns, inputs.brush.paintStyle);
    // The style is placed by the texture offsets, not the style offsets.
    const float offsetY = inputs.offsets.textureOffsetY;
    const std::vector<uint8_t> columns =
        tiledColumns(inputs.offsets.textureOffsetX, painting.width());
    rewriteRows(painting, history, [&](uint32_t y, CanvasCell* row, uint32_t width) {
        const uint8_t* pattern = tile.row(tiledCoordinate(offsetY, y));
        for (uint32_t x = 0; x < width; ++x) {
            row[x].paint = blendByte(row[x].paint, pattern[columns[x]]);
        }
    });
}

}  // namespace dw
