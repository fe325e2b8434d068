#pragma once

#include <cstdint>
#include <string>

#include "canvas/large_buffer.h"

namespace dw {

struct Pixel {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;

    bool operator==(const Pixel&) const = default;
};

enum class SurfaceAlpha { Without, With };

// Every off-screen picture of the program: a device-independent bitmap of 3 (blue, green,
// red) or 4 (blue, green, red, alpha) bytes a pixel, rows padded to a multiple of 4 bytes and
// stored bottom-up. Reads that cannot be served return the all-zero pixel.
class Surface {
  public:
    // Widest and tallest picture a surface takes; bigger requests leave it invalid.
    static constexpr uint32_t kMaxSide = 32768;

    Surface() = default;
    Surface(Surface&&) noexcept = default;
    Surface& operator=(Surface&&) noexcept = default;

    // Replaces any previous picture. Too large or empty sizes leave the surface invalid.
    void create(uint32_t width, uint32_t height, SurfaceAlpha alpha = SurfaceAlpha::Without);
    void createWithAlpha(uint32_t width, uint32_t height) {
        create(width, height, SurfaceAlpha::With);
    }
    void release();

    void setPixel(uint32_t x, uint32_t y, uint8_t red, uint8_t green, uint8_t blue);
    Pixel getPixel(int64_t x, int64_t y) const;
    void fillWhite();
    // keep 0 paints the colour, larger values keep more of the old pixel, 255 keeps it all.
    void tintRect(int x0, int y0, int x1, int y1, uint8_t red, uint8_t green, uint8_t blue,
                  uint8_t keep);
    // Source copy of the whole picture into target with its top-left corner at (x, y).
    void drawInto(int x, int y, Surface& target) const;

    bool valid() const { return valid_; }
    uint8_t bytesPerPixel() const { return bytesPerPixel_; }
    bool hasAlpha() const { return hasAlpha_; }
    uint32_t width() const { return width_; }
    uint32_t height() const { return height_; }
    uint32_t stride() const { return stride_; }
    uint8_t* bits() { return bits_.data(); }
    const uint8_t* bits() const { return bits_.data(); }
    std::size_t byteSize() const { return bits_.size(); }
    // Memory row of picture row y (counted from the top).
    uint8_t* row(uint32_t y) { return bits_.data() + std::size_t(height_ - 1 - y) * stride_; }
    const uint8_t* row(uint32_t y) const {
        return bits_.data() + std::size_t(height_ - 1 - y) * stride_;
    }

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    int32_t imageType() const { return imageType_; }
    void setImageType(int32_t type) { imageType_ = type; }

    static uint32_t strideFor(uint32_t width, uint32_t bytesPerPixel) {
        return (width * bytesPerPixel + 3u) & ~3u;
    }

  private:
    bool valid_ = false;
    uint8_t bytesPerPixel_ = 3;
    bool hasAlpha_ = false;
    std::string name_;
    int32_t imageType_ = -1;
    LargeBuffer<uint8_t> bits_;
    uint32_t stride_ = 0;
    uint32_t width_ = 0;
    uint32_t height_ = 0;
};

}  // namespace dw
