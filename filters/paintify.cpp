#include "filters/paintify.h"

#include <vector>

#include "tools/brush_footprint.h"
#include "tools/dab_context.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

// A few milliseconds of dabs at any brush size: often enough for a Cancel button to answer.
constexpr uint64_t kDabsBetweenReports = 256;

// 10/13 rounded to float32.
constexpr float kCopyScale = 10.0f / 13.0f;
// Sizes below 1 give no copy rather than a division by zero or a negative size.
uint32_t copyLength(uint32_t paintingLength, float scale) {
    return scale > 0.0f ? uint32_t(double(paintingLength) / double(scale)) : 0;
}

}  // namespace

PaintifyScale::PaintifyScale(uint32_t paintingWidth, uint32_t paintingHeight, int32_t brushSize)
    : scale_(float(double(brushSize) * double(kCopyScale))),
      copyWidth_(copyLength(paintingWidth, scale_)),
      copyHeight_(copyLength(paintingHeight, scale_)) {
    if (empty()) {
        copyWidth_ = copyHeight_ = 0;
    }
}

uint32_t PaintifyScale::copyCoordinate(uint32_t position, uint32_t copyLength) const {
    const auto cell = uint32_t(double(position) / double(scale_));
    return cell < copyLength ? cell : copyLength - 1;
}

uint32_t PaintifyScale::copyColumn(uint32_t x) const {
    return copyCoordinate(x, copyWidth_);
}

uint32_t PaintifyScale::copyRow(uint32_t y) const {
    return copyCoordinate(y, copyHeight_);
}

void paintify(Canvas& painting, UndoHistory& history, const FilterInputs& inputs) {
    // A large painting takes many seconds; stopped, it goes back to what it was.
    history.pushRevertibleSnapshot(painting);
    BrushSettings brush = inputs.brush;
    const PaintifyScale scale(painting.width(), painting.height(), brush.size);
    if (!painting.hasCells() || scale.empty()) {
        history.keepSnapshot();
        painting.invalidateShading();
        return;
    }
    // Saved whole at once: the dabs reach every tile, one at a time.
    painting.cellsForWriting();
    Canvas copy;
    copy.copyFrom(painting);
    copy.resample(scale.copyWidth(), scale.copyHeight());
    std::vector<uint32_t> columnOf(painting.width());
    std::vector<uint32_t> rowOf(painting.height());
    for (uint32_t x = 0; x < painting.width(); ++x) {
        columnOf[x] = scale.copyColumn(x);
    }
    for (uint32_t y = 0; y < painting.height(); ++y) {
        rowOf[y] = scale.copyRow(y);
    }

    // Built from Paintify's own brush, not whatever footprint the last stroke left behind.
    BrushFootprint footprint;
    BuildFootprint(footprint, brush);
    const DabContext context{footprint, inputs.offsets, inputs.patterns, inputs.random};
    const uint64_t dabs = 2 * uint64_t(copy.width()) * copy.height();
    for (uint64_t i = 0; i < dabs; ++i) {
        if (i % kDabsBetweenReports == 0 && inputs.progress &&
            !inputs.progress->proceed(double(i) / double(dabs))) {
            history.takeBackSnapshot(painting);
            return;
        }
        // x is drawn before y.
        const uint32_t x = uint32_t(inputs.random.next()) % painting.width();
        const uint32_t y = uint32_t(inputs.random.next()) % painting.height();
        const CanvasCell& sample = copy.at(columnOf[x], rowOf[y]);
        // The sums wrap: bright paint over a bright colour comes out dark.
        brush.red = uint8_t(sample.red + sample.paint);
        brush.green = uint8_t(sample.green + sample.paint);
        brush.blue = uint8_t(sample.blue + sample.paint);
        // The whole painting is re-shaded afterwards, not dab by dab.
        PaintBrushDeferredShading(painting, int(x), int(y), brush, context);
    }
    history.keepSnapshot();
    painting.invalidateShading();
}

}  // namespace dw
