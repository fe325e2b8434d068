#pragma once

#include <string>

namespace dw {

class Surface;

// The surface as a lossless WebP file: exactly the pixels shown, like the BMP, PNG and TIFF
// exports. False if the file could not be written or the picture not encoded.
bool WriteWebPFile(const Surface& surface, const std::string& path);

}  // namespace dw
