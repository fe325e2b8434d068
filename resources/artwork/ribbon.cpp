#include "resources/artwork/ribbon.h"

#include <algorithm>
#include <cmath>

#include "resources/artwork/tile_noise.h"

namespace dw::artwork {
namespace {

struct Nearest {
    float distance = 1e9f;
    float along = 0.0f;   // arc length at the nearest point
    float across = 0.0f;  // signed offset from the path
};

Nearest nearestOnPath(const std::vector<Point>& path, const std::vector<float>& starts, float x,
                      float y) {
    Nearest best;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Point a = path[i - 1];
        const Point b = path[i];
        const float vx = b.x - a.x;
        const float vy = b.y - a.y;
        const float length = std::sqrt(vx * vx + vy * vy);
        if (length <= 0.0f) {
            continue;
        }
        const float t =
            std::clamp(((x - a.x) * vx + (y - a.y) * vy) / (length * length), 0.0f, 1.0f);
        const float dx = x - (a.x + vx * t);
        const float dy = y - (a.y + vy * t);
        const float d = std::sqrt(dx * dx + dy * dy);
        if (d < best.distance) {
            best.distance = d;
            best.along = starts[i - 1] + t * length;
            best.across = (vx * dy - vy * dx) / length;
        }
    }
    return best;
}

// Smooth value noise without tiling, for combing along a stroke.
float smoothNoise(float u, float v, uint32_t seed) {
    const float fu = std::floor(u);
    const float fv = std::floor(v);
    const int iu = int(fu);
    const int iv = int(fv);
    const float su = (u - fu) * (u - fu) * (3.0f - 2.0f * (u - fu));
    const float sv = (v - fv) * (v - fv) * (3.0f - 2.0f * (v - fv));
    const float a = hashUnit(iu, iv, seed);
    const float b = hashUnit(iu + 1, iv, seed);
    const float c = hashUnit(iu, iv + 1, seed);
    const float d = hashUnit(iu + 1, iv + 1, seed);
    return (a + (b - a) * su) + ((c + (d - c) * su) - (a + (b - a) * su)) * sv;
}

Rgb colourAt(const std::vector<Rgb>& colours, float t) {
    if (colours.size() == 1) {
        return colours.front();
    }
    const float position = std::clamp(t, 0.0f, 1.0f) * float(colours.size() - 1);
    const std::size_t k = std::min(std::size_t(position), colours.size() - 2);
    return mix(colours[k], colours[k + 1], position - float(k));
}

}  // namespace

void paintRibbon(Canvas& canvas, const Ribbon& ribbon) {
    if (ribbon.path.size() < 2 || ribbon.colours.empty()) {
        return;
    }
    std::vector<float> starts(ribbon.path.size(), 0.0f);
    float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
    for (std::size_t i = 0; i < ribbon.path.size(); ++i) {
        const Point p = ribbon.path[i];
        if (i > 0) {
            const Point q = ribbon.path[i - 1];
            starts[i] = starts[i - 1] + std::hypot(p.x - q.x, p.y - q.y);
        }
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    const float total = std::max(starts.back(), 1.0f);
    const float reach = ribbon.radius + 2.0f;
    const int x0 = std::max(0, int(left - reach));
    const int y0 = std::max(0, int(top - reach));
    const int x1 = std::min(int(canvas.width()), int(right + reach) + 1);
    const int y1 = std::min(int(canvas.height()), int(bottom + reach) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const Nearest n = nearestOnPath(ribbon.path, starts, float(x) + 0.5f, float(y) + 0.5f);
            const float t = n.along / total;
            float swell = 1.0f;
            if (ribbon.taperStart > 0.0f && t < ribbon.taperStart) {
                swell = 0.55f + 0.45f * t / ribbon.taperStart;
            }
            if (ribbon.taperEnd > 0.0f && t > 1.0f - ribbon.taperEnd) {
                swell = std::min(swell, 0.25f + 0.75f * (1.0f - t) / ribbon.taperEnd);
            }
            const float radius = ribbon.radius * swell;
            const float coverage = std::clamp(radius - n.distance + 0.5f, 0.0f, 1.0f);
            if (coverage <= 0.0f) {
                continue;
            }
            const float r = std::min(n.distance / radius, 1.0f);
            // A bead with a flattened crest, combed into ridges along the stroke.
            const float bead = std::sqrt(std::max(0.0f, 1.0f - r * r * r));
            const float comb = smoothNoise(n.along / 24.0f, n.across / 1.6f, ribbon.seed) - 0.5f;
            const float streak = smoothNoise(n.along / 60.0f, n.across / 5.0f, ribbon.seed + 9u);
            const float h =
                ribbon.height * bead * (1.0f + ribbon.bristles * (comb + 0.6f * streak));
            CanvasCell& cell = canvas.cellForWriting(uint32_t(x), uint32_t(y));
            const Rgb c = colourAt(ribbon.colours, t);
            cell.red = toByte(float(cell.red) + (c.r - float(cell.red)) * coverage);
            cell.green = toByte(float(cell.green) + (c.g - float(cell.green)) * coverage);
            cell.blue = toByte(float(cell.blue) + (c.b - float(cell.blue)) * coverage);
            cell.paint = toByte(float(cell.paint) * (1.0f - coverage) + coverage * 14.0f * streak);
            cell.gloss =
                toByte(float(cell.gloss) + (float(ribbon.gloss) - float(cell.gloss)) * coverage);
            cell.height = ribbon.overPaint
                              ? std::max(cell.height, cell.height * 0.6f + h * coverage)
                              : std::max(cell.height, h);
        }
    }
}

std::vector<Point> quadraticCurve(Point a, Point control, Point b, int steps) {
    std::vector<Point> points;
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        const float u = 1.0f - t;
        points.push_back({u * u * a.x + 2.0f * u * t * control.x + t * t * b.x,
                          u * u * a.y + 2.0f * u * t * control.y + t * t * b.y});
    }
    return points;
}

}  // namespace dw::artwork
