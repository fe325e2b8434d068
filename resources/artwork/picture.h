#pragma once

#include <cstdint>
#include <vector>

#include "canvas/surface.h"

namespace dw::artwork {

// Colour components on the 0..255 scale, kept as floats so that soft edges and gradients
// blend without banding; rounding happens once, when a picture becomes a surface.
struct Rgb {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

constexpr Rgb grey(float v) {
    return {v, v, v};
}
Rgb mix(Rgb a, Rgb b, float t);
Rgb scale(Rgb c, float f);
float luminance(Rgb c);

// A picture under construction, rows top-down. Writes outside the picture are ignored.
class Picture {
  public:
    Picture() = default;
    Picture(int width, int height, Rgb fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Rgb at(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : Rgb{}; }
    void set(int x, int y, Rgb c);
    // Paints c over the pixel with the given opacity (0..1).
    void blend(int x, int y, Rgb c, float alpha);
    // End-exclusive rectangle.
    void fillRect(int x0, int y0, int x1, int y1, Rgb c);
    void paste(const Picture& source, int x, int y);
    Picture crop(int x, int y, int width, int height) const;

    // 24-bit surface; components rounded and clamped.
    Surface toSurface() const;
    // Every pixel's luminance in all three components: what a grey store keeps.
    Surface toGreySurface() const;

  private:
    std::size_t index(int x, int y) const { return std::size_t(y) * width_ + x; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

uint8_t toByte(float v);

}  // namespace dw::artwork
