#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Where Paintify takes its colours: a copy of the painting reduced by the brush size x 10/13,
// and the copy cell under each painting cell.
class PaintifyScale {
  public:
    PaintifyScale(uint32_t paintingWidth, uint32_t paintingHeight, int32_t brushSize);

    float scale() const { return scale_; }
    // 0 when the painting is narrower or lower than one scale step: then there is nothing
    // to copy and no dab to lay.
    uint32_t copyWidth() const { return copyWidth_; }
    uint32_t copyHeight() const { return copyHeight_; }
    bool empty() const { return copyWidth_ == 0 || copyHeight_ == 0; }
    // Positions past the copy's last column or row (the painting's size is seldom a multiple
    // of the scale) take the last one.
    uint32_t copyColumn(uint32_t x) const;
    uint32_t copyRow(uint32_t y) const;

  private:
    uint32_t copyCoordinate(uint32_t position, uint32_t copyLength) const;

    float scale_;
    uint32_t copyWidth_ = 0;
    uint32_t copyHeight_ = 0;
};

// Filters > Paintify: repaints the picture with Paint Brush dabs of the current brush at
// random places, each in the colour of a reduced copy of the painting there.
void paintify(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
