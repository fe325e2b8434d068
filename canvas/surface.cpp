#include "canvas/surface.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "canvas/byte_fraction.h"
#include "canvas/truncation.h"

namespace dw {

void Surface::create(uint32_t width, uint32_t height, SurfaceAlpha alpha) {
    const uint8_t bytesPerPixel = alpha == SurfaceAlpha::With ? 4 : 3;
    const bool sameShape =
        valid_ && width == width_ && height == height_ && bytesPerPixel == bytesPerPixel_;
    LargeBuffer<uint8_t> keep;
    if (sameShape) {
        keep = std::move(bits_);  // reuse the memory rather than fault in a fresh block
    }
    release();
    bytesPerPixel_ = bytesPerPixel;
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        return;
    }
    const uint32_t stride = strideFor(width, bytesPerPixel);
    if (sameShape) {
        bits_ = std::move(keep);
    } else {
        try {
            bits_.allocate(std::size_t(stride) * height);
        } catch (const std::bad_alloc&) {
            return;
        }
    }
    // A fresh bitmap is black, and so is its padding.
    std::memset(bits_.data(), 0, bits_.size());
    hasAlpha_ = alpha == SurfaceAlpha::With;
    stride_ = stride;
    width_ = width;
    height_ = height;
    valid_ = true;
}

void Surface::release() {
    bits_.reset();
    valid_ = false;
    hasAlpha_ = false;
    imageType_ = -1;
    stride_ = 0;
    width_ = 0;
    height_ = 0;
}

void Surface::setPixel(uint32_t x, uint32_t y, uint8_t red, uint8_t green, uint8_t blue) {
    if (!valid_ || x >= width_ || y >= height_) {
        return;
    }
    uint8_t* p = row(y) + std::size_t(x) * bytesPerPixel_;
    p[0] = blue;
    p[1] = green;
    p[2] = red;
}

Pixel Surface::getPixel(int64_t x, int64_t y) const {
    if (!valid_ || x < 0 || y < 0 || x >= width_ || y >= height_) {
        return {};
    }
    const uint8_t* p = row(uint32_t(y)) + std::size_t(x) * bytesPerPixel_;
    return {p[2], p[1], p[0], bytesPerPixel_ == 4 ? p[3] : uint8_t(0)};
}

void Surface::fillWhite() {
    if (!valid_) {
        return;
    }
    for (uint32_t y = 0; y < height_; ++y) {
        uint8_t* p = row(y);
        if (bytesPerPixel_ == 3) {
            std::memset(p, 255, std::size_t(width_) * 3);
        } else {
            for (uint32_t x = 0; x < width_; ++x, p += 4) {
                p[0] = p[1] = p[2] = 255;
            }
        }
    }
}

void Surface::tintRect(int x0, int y0, int x1, int y1, uint8_t red, uint8_t green, uint8_t blue,
                       uint8_t keep) {
    if (keep == 255 || !valid_) {
        return;
    }
    const float f = float(keep) * kByteFraction;
    auto mix = [f](uint8_t c, uint8_t old) { return truncToByte(c + double(f) * (old - c)); };
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min<int64_t>(x1, width_);
    y1 = std::min<int64_t>(y1, height_);
    for (int y = y0; y < y1; ++y) {
        uint8_t* p = row(uint32_t(y)) + std::size_t(x0) * bytesPerPixel_;
        for (int x = x0; x < x1; ++x, p += bytesPerPixel_) {
            p[0] = mix(blue, p[0]);
            p[1] = mix(green, p[1]);
            p[2] = mix(red, p[2]);
        }
    }
}

void Surface::drawInto(int x, int y, Surface& target) const {
    if (!valid_ || !target.valid_) {
        return;
    }
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t(x) + width_, target.width_);
    const int64_t bottom = std::min<int64_t>(int64_t(y) + height_, target.height_);
    for (int64_t ty = top; ty < bottom; ++ty) {
        const uint8_t* src = row(uint32_t(ty - y)) + std::size_t(left - x) * bytesPerPixel_;
        uint8_t* dst = target.row(uint32_t(ty)) + std::size_t(left) * target.bytesPerPixel_;
        if (bytesPerPixel_ == target.bytesPerPixel_) {
            std::memcpy(dst, src, std::size_t(right - left) * bytesPerPixel_);
            continue;
        }
        for (int64_t tx = left; tx < right; ++tx) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            if (target.bytesPerPixel_ == 4) {
                dst[3] = 0;  // a 24-bit picture carries no alpha
            }
            src += bytesPerPixel_;
            dst += target.bytesPerPixel_;
        }
    }
}

}  // namespace dw
