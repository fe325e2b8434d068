#include <stb_image.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "files/byte_stream.h"
#include "files/decoded_pixels.h"
#include "files/picture_decoders.h"

namespace dw {
namespace {

constexpr uint32_t kBmpPlain = 0;
constexpr uint32_t kBmpBitFields = 3;

// stb reads missing bytes as 0: a cut file would come back with black rows. Uncompressed
// pixels (plain or bit fields) must all be there.
bool bmpPixelsComplete(std::span<const uint8_t> bytes) {
    if (bytes.size() < 34) {
        return false;
    }
    const uint32_t compression = loadLE32(bytes.data() + 30);
    if (loadLE32(bytes.data() + 14) < 40 ||
        (compression != kBmpPlain && compression != kBmpBitFields)) {
        return true;
    }
    const uint64_t offset = loadLE32(bytes.data() + 10);
    const uint64_t width = uint32_t(std::abs(int64_t(int32_t(loadLE32(bytes.data() + 18)))));
    const uint64_t height = uint32_t(std::abs(int64_t(int32_t(loadLE32(bytes.data() + 22)))));
    const uint64_t bitsPerPixel = bytes[28] | bytes[29] << 8;
    const uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return offset + rowBytes * height <= bytes.size();
}

bool isPnmSpace(uint8_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A binary PNM header: the magic, then width, height and largest value as decimal numbers
// after white space or "#" comments, then one white space byte. stb reads missing pixels as 0,
// so the numbers must promise no more pixel bytes than the file holds after the header.
bool pnmPixelsFit(std::span<const uint8_t> bytes, int channels) {
    std::size_t at = 2;
    uint64_t values[3] = {};
    for (uint64_t& value : values) {
        while (at < bytes.size() && (isPnmSpace(bytes[at]) || bytes[at] == '#')) {
            if (bytes[at] == '#') {
                while (at < bytes.size() && bytes[at] != '\n' && bytes[at] != '\r') {
                    ++at;
                }
            } else {
                ++at;
            }
        }
        const std::size_t digits = at;
        while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9' && value < UINT32_MAX) {
            value = value * 10 + (bytes[at++] - '0');
        }
        if (at == digits || at >= bytes.size() || !isPnmSpace(bytes[at]) || value > 65535) {
            return false;
        }
    }
    const uint64_t bytesPerSample = values[2] > 255 ? 2 : 1;
    const uint64_t pixelBytes = values[0] * values[1] * uint64_t(channels) * bytesPerSample;
    return pixelBytes <= bytes.size() - at - 1;
}

enum class Check { BmpPixels, PnmPixels };

bool decodeWithStb(std::span<const uint8_t> bytes, uint32_t maxSide, Check check,
                   Surface& surface) {
    if (bytes.size() > INT_MAX) {
        return false;
    }
    const int length = int(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) ||
        !sidesFit(width, height, maxSide)) {
        return false;
    }
    if (check == Check::BmpPixels ? !bmpPixelsComplete(bytes) : !pnmPixelsFit(bytes, channels)) {
        return false;
    }
    const std::unique_ptr<uint8_t, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 3),
        stbi_image_free);
    return pixels && sidesFit(width, height, maxSide) &&
           adoptPixels(pixels.get(), uint32_t(width), uint32_t(height), 3, ChannelOrder::Rgb,
                       surface);
}

}  // namespace

bool decodeBmp(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    return decodeWithStb(bytes, maxSide, Check::BmpPixels, surface);
}

bool decodeBinaryPnm(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    return decodeWithStb(bytes, maxSide, Check::PnmPixels, surface);
}

}  // namespace dw
