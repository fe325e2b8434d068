#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dw::fuzz {

// Every reader of untrusted bytes, fed from memory: the fuzz targets call these, and the test
// suite replays the kept corpus of bad files through the very same calls.
enum class Outcome { Accepted, Refused };

// A painting document, whole.
Outcome feedDocument(std::span<const uint8_t> bytes);
// One block codec stream; the first two bytes give the plane's width and height (1..64).
Outcome feedBlockCodec(std::span<const uint8_t> bytes);
// JG8 and JGI pictures, header included.
Outcome feedJG8(std::span<const uint8_t> bytes);
Outcome feedJGI(std::span<const uint8_t> bytes);
// The bytes as "data/ipack" or "data/ppack" below the current folder, then a lookup of the
// picture "a" (stored as "a.jpg" or "a.jg8"; no "a.bmp" exists to pack).
Outcome feedColourStore(std::span<const uint8_t> bytes);
Outcome feedGreyStore(std::span<const uint8_t> bytes);
// A picture file handed to the picture reader under the given extension ("png", "jpg", ...),
// written below the current folder first.
Outcome feedPicture(std::span<const uint8_t> bytes, std::string_view extension);

// A brush palette (first byte even) or a stroke list (odd) read from the bytes after the
// first, then every used record made sound for the engine; aborts if a record comes out of
// its ranges or the table out of order.
Outcome feedPresetTable(std::span<const uint8_t> bytes);

// The extensions of the kinds only the old picture library reads (and of binary PNM), beyond
// the common kinds that have a fuzz target each (png, jpg, bmp, tif, webp, gif).
std::span<const std::string_view> otherPictureExtensions();

}  // namespace dw::fuzz
