#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters that rewrite every field of a cell.

// Filters > Defenestrate: the fields rotate, height -> red -> blue -> height and
// paint -> green -> paint.
void defenestrate(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// Filters > Clear: the brush colour everywhere, without paint, gloss or relief.
void clear(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
