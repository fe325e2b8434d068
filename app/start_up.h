#pragma once

#include "app/app_state.h"

namespace dw {

// What every run does before the user's first action, the GUI's and the batch tool's alike:
// the first painting and the pictures the engine reads. The working directory must be the
// program's folder.
void startUpEngine(AppState& state);

}  // namespace dw
