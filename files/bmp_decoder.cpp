#include <algorithm>
#include <array>
#include <cmath>

#include "canvas/surface.h"
#include "files/bmp_layout.h"
#include "files/bmp_run_lengths.h"
#include "files/byte_stream.h"
#include "files/picture_decoders.h"
#include "files/picture_structure.h"

namespace dw {
namespace {

// A channel's bits widened to 8 by repeating them, so that its largest value is 255 at every
// width; wider channels keep their top 8 bits. Worked out once a picture for every value.
class ChannelReader {
  public:
    explicit ChannelReader(const BmpChannel& channel)
        : mask_(channel.mask), shift_(channel.shift + (channel.bits > 8 ? channel.bits - 8 : 0)) {
        const uint32_t bits = std::min(channel.bits, 8u);
        for (uint32_t value = 0; bits > 0 && value < (1u << bits); ++value) {
            uint32_t wide = value << (8 - bits);
            for (uint32_t filled = bits; filled < 8; filled += bits) {
                wide |= wide >> bits;
            }
            widened_[value] = uint8_t(wide);
        }
    }

    uint8_t operator()(uint32_t pixel) const { return widened_[(pixel & mask_) >> shift_]; }

  private:
    uint32_t mask_;
    uint32_t shift_;
    std::array<uint8_t, 256> widened_{};
};

// 64-bit pixels hold linear light as signed fixed point with 13 fraction bits; shown in sRGB.
uint8_t fromLinear(int16_t value) {
    static const auto table = [] {
        std::array<uint8_t, 8193> bytes{};
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const double linear = double(i) / 8192.0;
            const double shown =
                linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
            bytes[i] = uint8_t(std::lround(shown * 255.0));
        }
        return bytes;
    }();
    return table[std::size_t(std::clamp<int16_t>(value, 0, 8192))];
}

void unpackRow(const BmpLayout& layout, const std::array<ChannelReader, 3>& channels,
               const uint8_t* source, uint8_t* target) {
    const uint32_t bits = layout.bitsPerPixel;
    const uint32_t width = layout.width;
    switch (bits) {
        case 24:
            std::copy_n(source, std::size_t(width) * 3, target);
            return;
        case 16:
        case 32:
            for (uint32_t x = 0; x < width; ++x, target += 3) {
                const uint32_t pixel = bits == 16 ? uint32_t(source[2 * x] | source[2 * x + 1] << 8)
                                                  : loadLE32(source + 4 * x);
                for (std::size_t c = 0; c < 3; ++c) {
                    target[c] = channels[c](pixel);
                }
            }
            return;
        case 64:
            for (uint32_t x = 0; x < width; ++x, source += 8, target += 3) {
                for (std::size_t c = 0; c < 3; ++c) {
                    target[c] = fromLinear(int16_t(source[2 * c] | source[2 * c + 1] << 8));
                }
            }
            return;
        case 8:
            for (uint32_t x = 0; x < width; ++x, target += 3) {
                const BmpColour& colour = layout.palette[source[x]];
                target[0] = colour.blue;
                target[1] = colour.green;
                target[2] = colour.red;
            }
            return;
        default: {  // 1, 2 or 4 bits of palette index, leftmost pixel in the high bits
            const uint32_t perByte = 8 / bits;
            const uint32_t lowBits = (1u << bits) - 1;
            for (uint32_t x = 0; x < width; ++x, target += 3) {
                const uint32_t shift = 8 - bits - (x % perByte) * bits;
                const BmpColour& colour = layout.palette[(source[x / perByte] >> shift) & lowBits];
                target[0] = colour.blue;
                target[1] = colour.green;
                target[2] = colour.red;
            }
        }
    }
}

void unpackRows(const BmpLayout& layout, Surface& picture) {
    const std::size_t rowBytes = (std::size_t(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
    const std::array<ChannelReader, 3> channels = {ChannelReader(layout.channels[0]),
                                                   ChannelReader(layout.channels[1]),
                                                   ChannelReader(layout.channels[2])};
    for (uint32_t r = 0; r < layout.height; ++r) {
        const uint32_t y = layout.topDown ? r : layout.height - 1 - r;
        unpackRow(layout, channels, layout.pixels.data() + r * rowBytes, picture.row(y));
    }
}

// A JPEG or PNG file inside the BMP goes to its own decoder, behind the same structure check
// as a file of its own. Its size must be the one the BMP declares, which is what was checked
// before anything was decoded.
bool decodeEmbedded(const BmpLayout& layout, uint32_t maxSide, Surface& surface) {
    MemorySource structure(layout.pixels);
    if (pictureEndsEarly(structure)) {
        return false;
    }
    Surface picture;
    const bool decoded = layout.coding == BmpCoding::Jpeg
                             ? decodeJpeg(layout.pixels, maxSide, picture)
                             : decodePng(layout.pixels, maxSide, picture);
    if (!decoded || picture.width() != layout.width || picture.height() != layout.height) {
        return false;
    }
    surface = std::move(picture);
    return true;
}

}  // namespace

bool decodeBmp(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    const std::optional<BmpLayout> layout = readBmpLayout(bytes, maxSide);
    if (!layout) {
        return false;
    }
    if (layout->coding == BmpCoding::Jpeg || layout->coding == BmpCoding::Png) {
        return decodeEmbedded(*layout, maxSide, surface);
    }
    Surface picture;
    picture.create(layout->width, layout->height);
    if (!picture.valid()) {
        return false;
    }
    if (layout->coding == BmpCoding::Rows) {
        unpackRows(*layout, picture);
    } else {
        picture.fillWhite();
        playRunLengths(*layout, picture);
    }
    surface = std::move(picture);
    return true;
}

}  // namespace dw
