#pragma once

#include <string>

#include "core/app_state.h"

namespace dw {

// File > Import Image once a path is chosen: the picture becomes a new painting of its size,
// one flat glossy cell per pixel, with an empty undo history; the main loop shades it. Any
// failure is reported and leaves the painting as it was.
bool importPicture(AppState& state, const std::string& path);

}  // namespace dw
