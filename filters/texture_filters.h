#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters > Texture: they rewrite the relief (the cells' heights) only.
void invertTexture(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// Heights from the brush's texture image, tiled and shifted by the texture offsets.
void fillTexture(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
void inflate(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
void deflate(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// Raises each cell by its luma, so that light colours stand out.
void outlineTexture(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
