#include "resources/artwork/impasto.h"

#include <algorithm>
#include <cmath>

#include "canvas/gloss_map.h"
#include "canvas/pattern_images.h"
#include "resources/artwork/gloss_picture.h"
#include "tools/dab_context.h"
#include "tools/deposit_tools.h"

namespace dw::artwork {
namespace {

void fillTile(PatternTile& tile, const Picture* picture) {
    tile.fillFrom(picture ? picture->toSurface() : Surface());
}

}  // namespace

BrushSettings ImpastoPainter::settingsFor(const ImpastoBrush& brush) {
    if (brush.style != style_ || brush.texture != texture_) {
        style_ = brush.style;
        texture_ = brush.texture;
        fillTile(patterns_.styleTiles[0], style_);
        fillTile(patterns_.textureTiles[1], texture_);
    }
    BrushSettings settings;
    settings.red = brush.red;
    settings.green = brush.green;
    settings.blue = brush.blue;
    settings.paintStyle = 0;
    settings.texture = brush.texture ? 1 : 0;
    settings.size = std::clamp(brush.size, 1, BrushFootprint::kMaxRadius);
    settings.amount = brush.amount;
    settings.thickness = brush.thickness;
    settings.glossLevel = brush.gloss;
    settings.hardness = uint8_t(std::clamp(brush.hardness, 0, 255));
    return settings;
}

void ImpastoPainter::dab(int x, int y, const ImpastoBrush& brush) {
    const BrushSettings settings = settingsFor(brush);
    footprint_.invalidate();  // cheap next to a dab, and size or hardness may have changed
    BuildFootprint(footprint_, settings);
    const SamplingOffsets offsets{float(brush.offsetX), float(brush.offsetY), float(brush.offsetX),
                                  float(brush.offsetY)};
    const DabContext context{footprint_, offsets, patterns_, random_};
    if (brush.tube) {
        TubePaint(canvas_, x, y, settings, context);
    } else {
        PaintBrush(canvas_, x, y, settings, context);
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
            CanvasCell& cell = canvas.cellForWriting(x, y);
            cell.red = toByte(colour.r);
            cell.green = toByte(colour.g);
            cell.blue = toByte(colour.b);
            const int tx = int(x % kPatternPeriod);
            const int ty = int(y % kPatternPeriod);
            cell.paint = toByte(style.at(tx, ty).r * styleScale);
            cell.gloss = 0;
            cell.height = reliefScale * texture.at(tx, ty).r;
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
