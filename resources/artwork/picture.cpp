#include "resources/artwork/picture.h"

#include <algorithm>
#include <cmath>

namespace dw::artwork {

Rgb mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb c, float f) {
    return {c.r * f, c.g * f, c.b * f};
}

float luminance(Rgb c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

uint8_t toByte(float v) {
    if (!(v > 0.0f)) {
        return 0;
    }
    return v >= 255.0f ? 255 : uint8_t(std::lround(v));
}

Picture::Picture(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * height_, fill) {}

void Picture::set(int x, int y, Rgb c) {
    if (contains(x, y)) {
        pixels_[index(x, y)] = c;
    }
}

void Picture::blend(int x, int y, Rgb c, float alpha) {
    if (!contains(x, y) || !(alpha > 0.0f)) {
        return;
    }
    Rgb& p = pixels_[index(x, y)];
    p = alpha >= 1.0f ? c : mix(p, c, alpha);
}

void Picture::fillRect(int x0, int y0, int x1, int y1, Rgb c) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            pixels_[index(x, y)] = c;
        }
    }
}

void Picture::paste(const Picture& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            set(x + sx, y + sy, source.at(sx, sy));
        }
    }
}

Picture Picture::crop(int x, int y, int width, int height) const {
    Picture part(width, height);
    for (int py = 0; py < height; ++py) {
        for (int px = 0; px < width; ++px) {
            part.set(px, py, at(x + px, y + py));
        }
    }
    return part;
}

Surface Picture::toSurface() const {
    Surface surface;
    surface.create(uint32_t(width_), uint32_t(height_));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb c = pixels_[index(x, y)];
            surface.setPixel(uint32_t(x), uint32_t(y), toByte(c.r), toByte(c.g), toByte(c.b));
        }
    }
    return surface;
}

Surface Picture::toGreySurface() const {
    Surface surface;
    surface.create(uint32_t(width_), uint32_t(height_));
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const uint8_t v = toByte(luminance(pixels_[index(x, y)]));
            surface.setPixel(uint32_t(x), uint32_t(y), v, v, v);
        }
    }
    return surface;
}

}  // namespace dw::artwork
