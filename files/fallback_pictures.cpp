#include "files/fallback_pictures.h"

#include <stb_image.h>
#include <webp/decode.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "canvas/surface.h"
#include "files/byte_stream.h"

namespace dw {
namespace {

constexpr uint32_t kBmpInfoV4 = 108;
constexpr uint32_t kBmpInfoV5 = 124;
constexpr uint32_t kBmpPlain = 0;
constexpr uint32_t kBmpBitFields = 3;

bool isWebP(std::span<const uint8_t> bytes) {
    return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
           std::memcmp(bytes.data() + 8, "WEBP", 4) == 0;
}

bool isModernBmp(std::span<const uint8_t> bytes) {
    if (bytes.size() < 18 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const uint32_t infoSize = loadLE32(bytes.data() + 14);
    return infoSize == kBmpInfoV4 || infoSize == kBmpInfoV5;
}

// stb reads missing bytes as 0: a cut file would come back with black rows. Uncompressed
// pixels (plain or bit fields) must all be there; RLE ends where its data says.
bool pixelsComplete(std::span<const uint8_t> bytes) {
    if (bytes.size() < 34) {
        return false;
    }
    const uint32_t compression = loadLE32(bytes.data() + 30);
    if (compression != kBmpPlain && compression != kBmpBitFields) {
        return true;
    }
    const uint64_t offset = loadLE32(bytes.data() + 10);
    const uint64_t width = uint32_t(std::abs(int64_t(int32_t(loadLE32(bytes.data() + 18)))));
    const uint64_t height = uint32_t(std::abs(int64_t(int32_t(loadLE32(bytes.data() + 22)))));
    const uint64_t bitsPerPixel = bytes[28] | bytes[29] << 8;
    const uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return offset + rowBytes * height <= bytes.size();
}

bool fits(int width, int height, uint32_t maxSide) {
    return width > 0 && height > 0 && uint32_t(width) <= maxSide && uint32_t(height) <= maxSide;
}

// Rows of packed pixels, top row first, into a new surface; swapRedBlue for RGB order.
bool adopt(const uint8_t* pixels, int width, int height, bool swapRedBlue, Surface& surface) {
    Surface picture;
    picture.create(uint32_t(width), uint32_t(height));
    if (!picture.valid()) {
        return false;
    }
    for (uint32_t y = 0; y < uint32_t(height); ++y) {
        const uint8_t* source = pixels + std::size_t(y) * std::size_t(width) * 3;
        uint8_t* target = picture.row(y);
        if (!swapRedBlue) {
            std::memcpy(target, source, std::size_t(width) * 3);
            continue;
        }
        for (int x = 0; x < width; ++x, source += 3, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    surface = std::move(picture);
    return true;
}

bool loadWebP(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    int width = 0;
    int height = 0;
    if (!WebPGetInfo(bytes.data(), bytes.size(), &width, &height) ||
        !fits(width, height, maxSide)) {
        return false;
    }
    const std::unique_ptr<uint8_t, void (*)(void*)> pixels(
        WebPDecodeBGR(bytes.data(), bytes.size(), &width, &height), WebPFree);
    return pixels && fits(width, height, maxSide) &&
           adopt(pixels.get(), width, height, false, surface);
}

bool loadBmp(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    if (bytes.size() > INT_MAX) {
        return false;
    }
    if (!pixelsComplete(bytes)) {
        return false;
    }
    const int length = int(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) ||
        !fits(width, height, maxSide)) {
        return false;
    }
    const std::unique_ptr<uint8_t, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 3),
        stbi_image_free);
    return pixels && fits(width, height, maxSide) &&
           adopt(pixels.get(), width, height, true, surface);
}

}  // namespace

bool fallbackPictureKind(std::span<const uint8_t> head) {
    return isWebP(head) || isModernBmp(head);
}

bool loadFallbackPicture(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    if (isWebP(bytes)) {
        return loadWebP(bytes, maxSide, surface);
    }
    if (isModernBmp(bytes)) {
        return loadBmp(bytes, maxSide, surface);
    }
    return false;
}

}  // namespace dw
