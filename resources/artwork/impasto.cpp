#include "resources/artwork/impasto.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "canvas/gloss_map.h"
#include "resources/artwork/gloss_picture.h"

namespace dw::artwork {
namespace {

uint8_t towards(uint8_t v, float target, float k) {
    return uint8_t(int((target - float(v)) * k + float(v)));
}

int patternValue(const Picture* picture, int x, int y) {
    if (picture == nullptr || picture->width() == 0) {
        return 255;
    }
    return int(picture->at(std::abs(x) % picture->width(), std::abs(y) % picture->height()).r);
}

}  // namespace

void ImpastoPainter::buildFootprint(const ImpastoBrush& brush) {
    const int r = std::clamp(brush.size, 1, 100);
    const int hardness = std::clamp(brush.hardness, 1, 100);
    if (r == footprintSize_ && hardness == footprintHardness_) {
        return;
    }
    const float radius = float(std::sqrt(2.0 * r * r) * 0.5);
    const float f = float(hardness) * 0.01f;
    footprint_.assign(std::size_t(4 * r * r), 0.0f);
    for (int i = 0; i < 2 * r; ++i) {
        for (int j = 0; j < 2 * r; ++j) {
            const float d = float(std::sqrt(double((i - r) * (i - r) + (j - r) * (j - r))));
            const float t = d / radius;
            const float w = f >= 1.0f ? (t < 1.0f ? 1.0f : 0.0f) : 1.0f - (t - f) / (1.0f - f);
            footprint_[std::size_t(j) * 2 * r + i] = std::clamp(w, 0.0f, 1.0f);
        }
    }
    footprintSize_ = r;
    footprintHardness_ = hardness;
}

void ImpastoPainter::dab(int x, int y, const ImpastoBrush& brush) {
    if (!canvas_.contains(x, y)) {
        return;
    }
    buildFootprint(brush);
    const int r = footprintSize_;
    const float hc = canvas_.at(uint32_t(x), uint32_t(y)).height;
    for (int i = x - r; i < x + r; ++i) {
        for (int j = y - r; j < y + r; ++j) {
            if (!canvas_.contains(i, j)) {
                continue;
            }
            const float w = footprint_[std::size_t(j - y + r) * 2 * r + (i - x + r)];
            if (w <= 0.0f) {
                continue;
            }
            CanvasCell cell = canvas_.at(uint32_t(i), uint32_t(j));
            const float tv =
                float(patternValue(brush.texture, i + brush.offsetX, j + brush.offsetY));
            const float sv = float(patternValue(brush.style, i + brush.offsetX, j + brush.offsetY));
            const float fa = w * brush.amount;
            const float k = brush.tube ? fa : tv * 0.003921569f * fa;
            cell.red = towards(cell.red, brush.red, k);
            cell.green = towards(cell.green, brush.green, k);
            cell.blue = towards(cell.blue, brush.blue, k);
            cell.paint = towards(cell.paint, brush.style ? sv : 0.0f, k);
            cell.height = cell.height + (hc - cell.height) * 0.5f * k;
            const float add = 0.5f * fa * brush.thickness;
            cell.height += brush.texture ? tv * 0.001f * add : add;
            cell.gloss = towards(cell.gloss, brush.gloss, k);
            canvas_.at(uint32_t(i), uint32_t(j)) = cell;
        }
    }
}

void ImpastoPainter::stroke(const std::vector<Point>& path, const ImpastoBrush& brush,
                            float spacing) {
    for (std::size_t s = 1; s < path.size(); ++s) {
        const Point a = path[s - 1];
        const Point b = path[s];
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        const int steps = std::max(1, int(std::ceil(length / spacing)));
        for (int i = s == 1 ? 0 : 1; i <= steps; ++i) {
            const float t = float(i) / float(steps);
            dab(int(std::lround(a.x + (b.x - a.x) * t)), int(std::lround(a.y + (b.y - a.y) * t)),
                brush);
        }
    }
}

void useArtworkGlossMap() {
    glossMap().fillFrom(glossPicture().toGreySurface());
}

void primeCanvas(Canvas& canvas, Rgb colour, const Picture& style, float styleScale,
                 const Picture& texture, float reliefScale) {
    for (uint32_t y = 0; y < canvas.height(); ++y) {
        for (uint32_t x = 0; x < canvas.width(); ++x) {
            CanvasCell& cell = canvas.at(x, y);
            cell.red = toByte(colour.r);
            cell.green = toByte(colour.g);
            cell.blue = toByte(colour.b);
            cell.paint = toByte(style.at(int(x % 200), int(y % 200)).r * styleScale);
            cell.gloss = 0;
            cell.height = reliefScale * texture.at(int(x % 200), int(y % 200)).r;
        }
    }
}

Picture shadedPicture(Canvas& canvas) {
    canvas.lighting = true;
    canvas.shadeAll();
    const Surface& surface = canvas.surface();
    Picture picture(int(surface.width()), int(surface.height()));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Pixel p = surface.getPixel(x, y);
            picture.set(x, y, Rgb{float(p.red), float(p.green), float(p.blue)});
        }
    }
    return picture;
}

}  // namespace dw::artwork
