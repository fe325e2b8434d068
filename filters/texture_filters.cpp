#include "filters/texture_filters.h"

#include <array>
#include <vector>

#include "filters/cell_blend.h"
#include "filters/filter_frame.h"
#include "filters/luma.h"
#include "filters/tile_sampling.h"

namespace dw {
namespace {

constexpr double kFillTextureScale = 0.02f;
constexpr double kOutlineScale = 0.04f;

}  // namespace

void invertTexture(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteCells(painting, history,
                 [](CanvasCell& c) { c.height = blendHeight(c.height, -c.height); });
}

void fillTexture(Canvas& painting, UndoHistory& history, const FilterInputs& inputs) {
    const PatternTile& tile = textureTile(inputs.patterns, inputs.brush.texture);
    const float offsetY = inputs.offsets.textureOffsetY;
    const std::vector<uint8_t> columns =
        tiledColumns(inputs.offsets.textureOffsetX, painting.width());
    std::array<float, 256> heightOf{};
    for (int red = 0; red < 256; ++red) {
        heightOf[red] = float(kFillTextureScale * red);
    }
    rewriteRows(painting, history, [&](uint32_t y, CanvasCell* row, uint32_t width) {
        const uint8_t* pattern = tile.row(tiledCoordinate(offsetY, y));
        for (uint32_t x = 0; x < width; ++x) {
            row[x].height = blendHeight(row[x].height, heightOf[pattern[columns[x]]]);
        }
    });
}

void inflate(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteCells(painting, history, [](CanvasCell& c) {
        c.height = blendHeight(c.height, float(double(c.height) * 2.0));
    });
}

void deflate(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    // Halving is exact, so the product gives what the division would.
    rewriteCells(painting, history, [](CanvasCell& c) {
        c.height = blendHeight(c.height, float(double(c.height) * 0.5));
    });
}

void outlineTexture(Canvas& painting, UndoHistory& history, const FilterInputs&) {
    rewriteCells(painting, history, [](CanvasCell& c) {
        // L rounded to float32, not truncated as the colour filters take it.
        const float sum = float(lumaSum(c));
        c.height = blendHeight(c.height, float(c.height + kOutlineScale * sum));
    });
}

}  // namespace dw
