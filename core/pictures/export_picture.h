#pragma once

#include <string>

#include "core/app_state.h"

namespace dw {

// File > Export Image and the batch tool's --export once a path is chosen: the painting as it
// is shown, lit or not, fully shaded first, in the format the path's extension names (see
// exportKinds). A path naming no export format, or a file that cannot be written, is
// reported: false.
bool exportPainting(AppState& state, const std::string& path);

}  // namespace dw
