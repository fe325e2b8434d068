#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace dw {

enum class BmpCoding { Rows, RunLength8, RunLength4, RunLength24, Jpeg, Png };

struct BmpColour {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
};

// One channel of a 16- or 32-bit pixel: where its bits lie and how many there are.
struct BmpChannel {
    uint32_t mask = 0;
    uint32_t shift = 0;
    uint32_t bits = 0;
};

// What a BMP file's headers say of its pixels, every length already checked against the file.
struct BmpLayout {
    uint32_t width = 0;
    uint32_t height = 0;
    bool topDown = false;
    uint32_t bitsPerPixel = 0;
    BmpCoding coding = BmpCoding::Rows;
    std::array<BmpChannel, 3> channels{};  // blue, green, red
    // Indices past the colours the file gives come out black.
    std::array<BmpColour, 256> palette{};
    // From the pixel offset on: all the rows, the run-length stream or the embedded file.
    std::span<const uint8_t> pixels;
};

// Every header a writer produces: the old core header, Windows' 40, 52, 56, 108 and 124-byte
// headers, and OS/2's second header at 64 bytes or cut after any field. Nothing for a damaged
// file: a bad bit count, plane count, header size, compression or mask, a picture wider or
// taller than maxSide, rows the file does not hold, or a run-length stream too short to cover
// a reasonable share of the picture it claims.
std::optional<BmpLayout> readBmpLayout(std::span<const uint8_t> bytes, uint32_t maxSide);

}  // namespace dw
