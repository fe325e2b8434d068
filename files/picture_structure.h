#pragma once

#include "files/byte_stream.h"

namespace dw {

// A PNG chunk or a JPEG marker segment (before, between or after its scans) that runs past the
// end of the file, or a BMP colour table that does, is refused before any decoder reads it:
// true for such a file. Data of other kinds passes, and so does a JPEG cut inside its scan
// data, which libjpeg ends cleanly.
bool pictureEndsEarly(ByteSource& source);

}  // namespace dw
