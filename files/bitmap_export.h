#pragma once

#include <string>

namespace dw {

class Surface;

// File > Export Image: the 24-bit surface as an uncompressed BMP, its memory written
// unchanged (bottom row first, blue-green-red, rows padded to 4 bytes). False if the file
// could not be written or the surface is not a 24-bit picture.
bool WriteBitmapFile(const Surface& surface, const std::string& path);

}  // namespace dw
