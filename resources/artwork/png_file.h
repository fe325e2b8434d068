#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/artwork/picture.h"

namespace dw::artwork {

// Writes a picture as a PNG file through DevIL. With an alpha plane (one byte a pixel, rows
// top-down) the file carries transparency. False, with a message on standard error, if it
// could not be written.
bool writePng(const Picture& picture, const std::string& path,
              const std::vector<uint8_t>& alpha = {});

}  // namespace dw::artwork
