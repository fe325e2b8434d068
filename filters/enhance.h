#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters > Enhance: a levels stretch of the colours and a quarter-strength one of the paint,
// measured over the whole painting first.
void enhance(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
