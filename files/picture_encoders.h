#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace dw {

class Surface;

// The surface as a whole file of each kind, encoded in memory by the kind's reference library:
// 8-bit RGB, top row first, no alpha. Nothing when the library refuses the picture or memory
// runs out.
std::optional<std::vector<uint8_t>> encodePng(const Surface& surface);
std::optional<std::vector<uint8_t>> encodeJpeg(const Surface& surface, int quality);
// Lossless (LZW).
std::optional<std::vector<uint8_t>> encodeTiff(const Surface& surface);

// Row y, counted from the top, as blue, green, red: the surface's own memory, or for a surface
// with alpha a copy in spare.
const uint8_t* bgrRow(const Surface& surface, uint32_t y, std::vector<uint8_t>& spare);

}  // namespace dw
