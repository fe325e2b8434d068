#pragma once

#include "core/app_state.h"

namespace dw {

// What every run does before the user's first action, the GUI's and the batch tool's alike:
// the image library, the 36 paint style and texture pictures, the first painting and the gloss
// map, in the program's start-up order. The working directory must be the program's folder:
// the pictures come from its "data/" stores, or on first use from its "WorkData/".
void startUpEngine(AppState& state);

}  // namespace dw
