#include "resources/artwork/program_icon.h"

#include <algorithm>
#include <cmath>

#include "resources/artwork/impasto.h"
#include "resources/artwork/paint_styles.h"
#include "resources/artwork/paper_textures.h"
#include "resources/artwork/ribbon.h"

namespace dw::artwork {
namespace {

constexpr int kMaster = 256;

float coverageOf(const Shape& shape, int x, int y) {
    return std::clamp(0.5f - shape(float(x) + 0.5f, float(y) + 0.5f), 0.0f, 1.0f);
}

// Area-weighted reduction: each target pixel averages the source pixels it covers.
TransparentPicture reduce(const TransparentPicture& source, int side) {
    const int n = source.colour.width();
    if (side == n) {
        return source;
    }
    TransparentPicture out{Picture(side, side), std::vector<uint8_t>(std::size_t(side) * side)};
    const float ratio = float(n) / float(side);
    for (int ty = 0; ty < side; ++ty) {
        for (int tx = 0; tx < side; ++tx) {
            const float x0 = float(tx) * ratio;
            const float y0 = float(ty) * ratio;
            float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f, total = 0.0f;
            for (int sy = int(y0); sy < int(std::ceil(y0 + ratio)) && sy < n; ++sy) {
                const float wy = std::min(float(sy + 1), y0 + ratio) - std::max(float(sy), y0);
                for (int sx = int(x0); sx < int(std::ceil(x0 + ratio)) && sx < n; ++sx) {
                    const float wx = std::min(float(sx + 1), x0 + ratio) - std::max(float(sx), x0);
                    const float w = wx * wy;
                    const float alpha = float(source.alpha[std::size_t(sy) * n + sx]) / 255.0f;
                    const Rgb c = source.colour.at(sx, sy);
                    // Weighted by opacity so that transparent pixels do not darken the rim.
                    r += c.r * w * alpha;
                    g += c.g * w * alpha;
                    b += c.b * w * alpha;
                    a += w * alpha;
                    total += w;
                }
            }
            if (a > 0.0f) {
                out.colour.set(tx, ty, Rgb{r / a, g / a, b / a});
            }
            out.alpha[std::size_t(ty) * side + tx] = toByte(255.0f * a / total);
        }
    }
    return out;
}

TransparentPicture masterIcon() {
    const Picture grain = paintStylePicture(2);
    const Picture weave = paperTexturePicture(3);
    useArtworkGlossMap();
    Canvas canvas;
    canvas.create(kMaster, kMaster);
    primeCanvas(canvas, Rgb{38, 42, 56}, grain, 0.3f, weave, 0.01f);
    // One loaded stroke of paint, a wave from lower left to upper right, its colour running
    // from yellow through orange and red to magenta.
    Ribbon stroke;
    stroke.path = quadraticCurve({46.0f, 200.0f}, {84.0f, 96.0f}, {132.0f, 130.0f}, 30);
    const std::vector<Point> second =
        quadraticCurve({132.0f, 130.0f}, {180.0f, 164.0f}, {214.0f, 58.0f}, 30);
    stroke.path.insert(stroke.path.end(), second.begin() + 1, second.end());
    stroke.radius = 36.0f;
    stroke.colours = {{252, 210, 56}, {248, 146, 30}, {228, 62, 42}, {196, 40, 112}};
    stroke.gloss = 255;
    stroke.height = 7.0f;
    stroke.bristles = 0.4f;
    stroke.taperStart = 0.12f;
    stroke.taperEnd = 0.3f;
    stroke.seed = 17u;
    paintRibbon(canvas, stroke);
    TransparentPicture icon{shadedPicture(canvas), std::vector<uint8_t>(kMaster * kMaster)};
    const Shape plate = roundedBox(8.0f, 8.0f, 248.0f, 248.0f, 52.0f);
    const Shape rim = ring(grow(plate, -1.5f), 3.0f);
    for (int y = 0; y < kMaster; ++y) {
        for (int x = 0; x < kMaster; ++x) {
            icon.alpha[std::size_t(y) * kMaster + x] = toByte(255.0f * coverageOf(plate, x, y));
            icon.colour.blend(x, y, Rgb{255, 255, 255}, 0.12f * coverageOf(rim, x, y));
        }
    }
    return icon;
}

}  // namespace

TransparentPicture programIcon(int side) {
    return reduce(masterIcon(), side);
}

TransparentPicture canvasCursor() {
    constexpr int kSide = 32;
    const float c = float(kCursorHotspot) + 0.5f;
    const Shape ringShape = ring(circle(c, c, 7.0f), 1.6f);
    Shape ticks = capsule({c, c - 13.0f}, {c, c - 10.0f}, 0.6f);
    ticks = unite(ticks, capsule({c, c + 10.0f}, {c, c + 13.0f}, 0.6f));
    ticks = unite(ticks, capsule({c - 13.0f, c}, {c - 10.0f, c}, 0.6f));
    ticks = unite(ticks, capsule({c + 10.0f, c}, {c + 13.0f, c}, 0.6f));
    const Shape dot = circle(c, c, 1.0f);
    const Shape light = unite(unite(ringShape, ticks), dot);
    const Shape dark = grow(light, 1.0f);
    TransparentPicture cursor{Picture(kSide, kSide), std::vector<uint8_t>(kSide * kSide)};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const float outline = coverageOf(dark, x, y);
            const float inside = coverageOf(light, x, y);
            cursor.colour.set(x, y, mix(Rgb{24, 22, 20}, Rgb{255, 255, 255}, inside));
            cursor.alpha[std::size_t(y) * kSide + x] = toByte(255.0f * outline);
        }
    }
    return cursor;
}

}  // namespace dw::artwork
