#pragma once

#include <string>

#include "files/byte_stream.h"

namespace dw {

// DevIL ignores short reads: a PNG chunk or a JPEG segment that runs past the end of the file
// hands libpng stale memory, or sends DevIL's JPEG reader skipping at the end of the file for
// ever. Such a file is refused before DevIL sees it. True when a PNG lacks whole chunks up to
// IEND, or when a JPEG marker segment (before, between or after its scans) is cut short; data
// of other kinds passes, and so does a JPEG cut inside its scan data, which libjpeg ends
// cleanly.
bool pictureEndsEarly(ByteSource& source);
bool pictureEndsEarly(const std::string& path);

}  // namespace dw
