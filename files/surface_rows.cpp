#include "files/surface_rows.h"

#include <cstring>

#include "files/decoded_pixels.h"

namespace dw {

void SurfaceRows::allocate(uint32_t width, uint32_t height) {
    whole_ = Surface();
    bgr_.allocate(std::size_t(width) * height * 3);
    width_ = width;
    height_ = height;
}

void SurfaceRows::put(uint32_t y, const uint8_t* pixels, uint32_t bytesPerPixel,
                      ChannelOrder order) {
    pixelsToBgr(pixels, width_, bytesPerPixel, order, bgr_.data() + std::size_t(y) * width_ * 3);
}

bool SurfaceRows::take(Surface&& picture) {
    bgr_.reset();
    whole_ = std::move(picture);
    return true;
}

bool SurfaceRows::moveTo(Surface& surface) {
    if (whole_.valid()) {
        surface = std::move(whole_);
        return true;
    }
    Surface picture;
    picture.create(width_, height_);
    if (!picture.valid()) {
        return false;
    }
    for (uint32_t y = 0; y < height_; ++y) {
        std::memcpy(picture.row(y), bgr_.data() + std::size_t(y) * width_ * 3,
                    std::size_t(width_) * 3);
    }
    bgr_.reset();
    surface = std::move(picture);
    return true;
}

}  // namespace dw
