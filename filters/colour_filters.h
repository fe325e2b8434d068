#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters > Colors: they rewrite red, green and blue and leave paint, gloss and height.
void invertColor(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
void desaturate(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// Each component scaled so that the largest becomes 255; black stays black.
void solarize(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// As Solarize, but the largest component becomes the cell's paint value.
void night(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
void aqua(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
