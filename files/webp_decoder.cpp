#include <webp/decode.h>

#include <memory>

#include "files/picture_decoders.h"

namespace dw {

bool decodeWebP(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows) {
    int width = 0;
    int height = 0;
    if (!WebPGetInfo(bytes.data(), bytes.size(), &width, &height) ||
        !sidesFit(width, height, maxSide)) {
        return false;
    }
    const std::unique_ptr<uint8_t, void (*)(void*)> pixels(
        WebPDecodeBGR(bytes.data(), bytes.size(), &width, &height), WebPFree);
    return pixels && sidesFit(width, height, maxSide) &&
           putPixels(rows, pixels.get(), uint32_t(width), uint32_t(height), 3, ChannelOrder::Bgr);
}

}  // namespace dw
