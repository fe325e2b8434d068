#include <stb_image.h>

#include <climits>
#include <memory>

#include "files/decoded_pixels.h"
#include "files/picture_decoders.h"

namespace dw {
namespace {

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

}  // namespace

bool decodeBinaryPnm(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
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
    if (!pnmPixelsFit(bytes, channels)) {
        return false;
    }
    const std::unique_ptr<uint8_t, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), length, &width, &height, &channels, 3),
        stbi_image_free);
    return pixels && sidesFit(width, height, maxSide) &&
           adoptPixels(pixels.get(), uint32_t(width), uint32_t(height), 3, ChannelOrder::Rgb,
                       surface);
}

}  // namespace dw
