#include "resources/artwork/shapes.h"

#include <algorithm>
#include <cmath>

namespace dw::artwork {
namespace {

constexpr float kPi = 3.14159265358979f;

float segmentDistance(float px, float py, Point a, Point b, float* along = nullptr) {
    const float vx = b.x - a.x;
    const float vy = b.y - a.y;
    const float wx = px - a.x;
    const float wy = py - a.y;
    const float lengthSquared = vx * vx + vy * vy;
    float t = lengthSquared > 0.0f ? (wx * vx + wy * vy) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    if (along) {
        *along = t;
    }
    const float dx = wx - vx * t;
    const float dy = wy - vy * t;
    return std::sqrt(dx * dx + dy * dy);
}

float coverage(float distance) {
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

}  // namespace

Shape circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape ellipse(float cx, float cy, float rx, float ry) {
    // Scaled distance, corrected by the local stretch: close enough for soft edges.
    return [=](float x, float y) {
        const float nx = (x - cx) / rx;
        const float ny = (y - cy) / ry;
        const float k = std::sqrt(nx * nx + ny * ny);
        if (k == 0.0f) {
            return -std::min(rx, ry);
        }
        const float gx = nx / rx;
        const float gy = ny / ry;
        const float gradient = std::sqrt(gx * gx + gy * gy) / k;
        return (k - 1.0f) / std::max(gradient, 1e-6f);
    };
}

Shape roundedBox(float x0, float y0, float x1, float y1, float radius) {
    const float cx = (x0 + x1) * 0.5f;
    const float cy = (y0 + y1) * 0.5f;
    const float hx = (x1 - x0) * 0.5f - radius;
    const float hy = (y1 - y0) * 0.5f - radius;
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx;
        const float qy = std::abs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape capsule(Point a, Point b, float radius) {
    return [=](float x, float y) { return segmentDistance(x, y, a, b) - radius; };
}

Shape taperedCapsule(Point a, Point b, float ra, float rb) {
    return [=](float x, float y) {
        float t = 0.0f;
        const float d = segmentDistance(x, y, a, b, &t);
        return d - (ra + (rb - ra) * t);
    };
}

Shape polygon(std::vector<Point> corners) {
    return [corners = std::move(corners)](float x, float y) {
        float best = 1e9f;
        bool inside = false;
        const std::size_t n = corners.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = corners[j];
            const Point b = corners[i];
            best = std::min(best, segmentDistance(x, y, a, b));
            if ((b.y > y) != (a.y > y) && x < (a.x - b.x) * (y - b.y) / (a.y - b.y) + b.x) {
                inside = !inside;
            }
        }
        return inside ? -best : best;
    };
}

Shape unite(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape grow(Shape s, float by) {
    return [=](float x, float y) { return s(x, y) - by; };
}

Shape ring(Shape s, float width) {
    return [=](float x, float y) { return std::abs(s(x, y)) - width * 0.5f; };
}

Shape rotated(Shape s, float degrees, float cx, float cy) {
    const float radians = degrees * kPi / 180.0f;
    const float c = std::cos(radians);
    const float sn = std::sin(radians);
    return [=](float x, float y) {
        const float dx = x - cx;
        const float dy = y - cy;
        return s(cx + dx * c + dy * sn, cy - dx * sn + dy * c);
    };
}

Region around(Point centre, float radius) {
    return {int(std::floor(centre.x - radius)) - 1, int(std::floor(centre.y - radius)) - 1,
            int(std::ceil(centre.x + radius)) + 2, int(std::ceil(centre.y + radius)) + 2};
}

void fill(Picture& picture, const Shape& shape, const Paint& paint, float opacity, Region region) {
    const int x0 = std::max(region.x0, 0);
    const int y0 = std::max(region.y0, 0);
    const int x1 = std::min(region.x1, picture.width());
    const int y1 = std::min(region.y1, picture.height());
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float px = float(x) + 0.5f;
            const float py = float(y) + 0.5f;
            const float c = coverage(shape(px, py));
            if (c > 0.0f) {
                picture.blend(x, y, paint(px, py), c * opacity);
            }
        }
    }
}

void fill(Picture& picture, const Shape& shape, Rgb colour, float opacity, Region region) {
    fill(picture, shape, solid(colour), opacity, region);
}

void sticker(Picture& picture, const Shape& shape, const Paint& paint, Rgb ink, float inkWidth) {
    fill(picture, grow(shape, inkWidth), ink);
    fill(picture, shape, paint);
}

void sticker(Picture& picture, const Shape& shape, Rgb colour, Rgb ink, float inkWidth) {
    sticker(picture, shape, solid(colour), ink, inkWidth);
}

Paint solid(Rgb colour) {
    return [=](float, float) { return colour; };
}

Paint linearGradient(Point p0, Rgb a, Point p1, Rgb b) {
    const float vx = p1.x - p0.x;
    const float vy = p1.y - p0.y;
    const float lengthSquared = std::max(vx * vx + vy * vy, 1e-6f);
    return [=](float x, float y) {
        const float t = std::clamp(((x - p0.x) * vx + (y - p0.y) * vy) / lengthSquared, 0.0f, 1.0f);
        return mix(a, b, t);
    };
}

Paint sphereShade(float cx, float cy, float radius, Rgb base) {
    return [=](float x, float y) {
        const float nx = (x - cx) / radius;
        const float ny = (y - cy) / radius;
        const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
        const float light =
            std::clamp(0.55f + 0.45f * (-0.5f * nx - 0.5f * ny + 0.7f * nz), 0.0f, 1.2f);
        return scale(base, light);
    };
}

}  // namespace dw::artwork
