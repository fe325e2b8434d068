#pragma once

#include <cstdint>
#include <string>

#include "files/byte_stream.h"
#include "files/jg_picture_header.h"

namespace dw {

class Surface;

// JG8, the grey store's picture format: the 12-byte header, then one plane of width x height
// values, bottom row first, raw (quality 0) or as one codec stream.

// Reads a JG8 file into a new 32-bit surface, each pixel's blue, green and red set to the
// stored value. False, with the surface unchanged, when the file cannot be opened (silently)
// or is damaged (reported).
bool LOADJGI8(Surface& surface, const std::string& path);

// Writes the red component of every pixel. False when the file cannot be written. Only the
// picture stores write JG8, into their temporary folder: the file is written in place.
bool SaveJG8(const Surface& surface, const std::string& path, int32_t quality);

// The same on any bytes; bytesAfterHeader is what the source holds beyond the header.
JgReadResult readJG8(ByteSource& source, uint64_t bytesAfterHeader, Surface& surface);
bool writeJG8(ByteSink& sink, const Surface& surface, int32_t quality);

}  // namespace dw
