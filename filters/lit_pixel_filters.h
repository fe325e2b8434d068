#pragma once

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw {

// Filters that bake the painting as it is shown back into its cells. Both read the lit
// pixels of the painting's surface; an unshaded painting is shaded first, so that they take
// what the user sees rather than whatever an earlier change left in the surface.

// Filters > Sicken: the grey part of each lit pixel is dropped, and paint and relief with it.
void sicken(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);
// Image > Flatten: the grey part of each lit pixel becomes paint; relief and gloss go.
void flatten(Canvas& painting, UndoHistory& history, const FilterInputs& inputs);

}  // namespace dw
