#include <png.h>

#include <memory>

#include "files/decoded_pixels.h"
#include "files/picture_decoders.h"

namespace dw {

bool decodePng(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return false;  // libpng has freed what it held
    }
    if (!sidesFit(image.width, image.height, maxSide)) {
        png_image_free(&image);
        return false;
    }
    // Colours come unpremultiplied in 8-bit formats: dropping alpha keeps them as stored.
    image.format = PNG_FORMAT_BGRA;
    // Counted in size_t: libpng's own size macro wraps at 4 GiB, which 32768 x 32768 reaches.
    // Left unfilled, so that a damaged file refused after its first rows touches little of it.
    const auto pixels =
        std::make_unique_for_overwrite<uint8_t[]>(std::size_t(image.width) * image.height * 4);
    if (!png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr)) {
        return false;
    }
    return adoptPixels(pixels.get(), image.width, image.height, 4, ChannelOrder::Bgr, surface);
}

}  // namespace dw
