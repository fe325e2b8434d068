#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters > Paint: they rewrite the paint byte only.
void invertPaint(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// The brush's paint style over the whole painting, tiled and shifted by the texture offsets.
void fillPaint(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
