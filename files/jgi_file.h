#pragma once

#include <cstdint>
#include <string>

#include "files/byte_stream.h"
#include "files/jg_picture_header.h"

namespace dw {

class Surface;

// JGI, a three-channel picture the program reads but never writes: the 12-byte header, then
// either the memory of a 24-bit surface (quality 0: bottom row first, blue-green-red, rows
// padded to 4 bytes) or three codec streams carrying the blue, green and red planes.

// Reads a JGI file into a new 24-bit surface. A file that cannot be opened or is damaged is
// reported as "JGI could not load!" and leaves the surface unchanged.
bool LoadJGI(Surface& surface, const std::string& path);

JgReadResult readJGI(ByteSource& source, uint64_t bytesAfterHeader, Surface& surface);

}  // namespace dw
