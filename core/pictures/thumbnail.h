#pragma once

#include <cstdint>
#include <string>

#include "canvas/surface.h"
#include "core/app_state.h"

namespace dw {

// The picture scaled down to fit a size x size square, its aspect kept, each pixel the mean
// of the pixels it covers. A picture that fits already keeps its size.
Surface scaledToFit(const Surface& picture, uint32_t size);

// The painting as it is shown (lit when lighting is on), fitted into size x size. Only the
// rows it samples, a few for each thumbnail row, are shaded.
Surface litThumbnail(Canvas& painting, uint32_t size);

// The painting as it is shown (lit when lighting is on), fitted into size x size and written
// as a PNG file, whatever the path's extension. Reports a failure and leaves no file behind.
bool writeThumbnail(AppState& state, uint32_t size, const std::string& path);

}  // namespace dw
