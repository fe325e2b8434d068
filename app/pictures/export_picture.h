#pragma once

#include <string>

#include "app/app_state.h"

namespace dw {

// Export in the formats DevIL writes, chosen by the path's extension (PNG, JPEG, TIFF): the
// painting as it is shown, lit or not, fully shaded first. BMP goes through
// exportPaintingBitmap, which writes the file itself.
bool exportPaintingPicture(AppState& state, const std::string& path);

}  // namespace dw
