#pragma once

#include <string>
#include <string_view>

#include "files/byte_stream.h"

namespace dw {

// DevIL ignores short reads: a PNG chunk or a JPEG segment that runs past the end of the file
// hands libpng stale memory, or sends DevIL's JPEG reader skipping at the end of the file for
// ever; its PNM reader looks for a missing header for ever, its icon reader for the next
// element after one of length 0; a BMP colour table is allocated for whatever count the
// header declares. Such a file is refused before DevIL sees it. True
// when a PNG lacks whole chunks up to IEND, a JPEG marker segment (before, between or after
// its scans) is cut short, a PNM header (by its "P1".."P6" or by the extension DevIL would
// read it under) is not whole, an Apple icon's elements do not fill it exactly, or a BMP
// colour table runs past the end. Data of other kinds
// passes, and so does a JPEG cut inside its scan data, which libjpeg ends cleanly.
bool pictureEndsEarly(ByteSource& source, std::string_view extension);
bool pictureEndsEarly(const std::string& path);

}  // namespace dw
