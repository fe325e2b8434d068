#pragma once

#include <string>

namespace dw {

class Surface;

// The picture as an OpenRaster file other painting programs open: one layer holding it, the
// merged picture and the given thumbnail. False if the file could not be written.
bool WriteOpenRasterFile(const Surface& picture, const Surface& thumbnail, const std::string& path);

}  // namespace dw
