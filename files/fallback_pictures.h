#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace dw {

class Surface;

// Pictures DevIL cannot read, passed on to well-kept decoders: BMP files with a version 4 or
// 5 header (the default of current programs) and WebP. True when the bytes are one of these
// and were decoded into the surface, re-created as a 24-bit picture of their size; a picture
// declaring a side above maxSide is refused before it is decoded. Alpha is dropped, as DevIL's
// pictures drop it. On failure the surface is left as it was.
bool loadFallbackPicture(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface);

// Whether a file beginning with these bytes (at least kFallbackHeadSize of them) is of a kind
// the second decoders take, so that no other file is read whole for them.
inline constexpr std::size_t kFallbackHeadSize = 18;
bool fallbackPictureKind(std::span<const uint8_t> head);

}  // namespace dw
