#pragma once

#include <cstdint>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/pattern_images.h"
#include "platform/random_generator.h"
#include "resources/artwork/picture.h"
#include "resources/artwork/shapes.h"
#include "tools/brush_footprint.h"
#include "tools/brush_settings.h"

namespace dw::artwork {

// The program's own Paint Brush and Tube Paint on an engine canvas, so that the splash, the
// icon and the stroke preview show paint exactly as the program will lay and shade it, with
// our styles, textures and gloss map.
struct ImpastoBrush {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    int size = 20;  // radius in cells
    float amount = 0.5f;
    float thickness = 10.0f;
    uint8_t gloss = 20;
    int hardness = 0;
    bool tube = false;  // Tube Paint lays solid colour whatever the texture
    const Picture* style = nullptr;
    const Picture* texture = nullptr;  // none: full deposit
    int offsetX = 0;
    int offsetY = 0;
};

class ImpastoPainter {
  public:
    explicit ImpastoPainter(Canvas& canvas) : canvas_(canvas) {}

    void dab(int x, int y, const ImpastoBrush& brush);
    // Dabs every `spacing` cells along the polyline.
    void stroke(const std::vector<Point>& path, const ImpastoBrush& brush, float spacing = 2.0f);

  private:
    // The engine's settings for the brush; the pictures become pattern 0 (style) and 1.
    BrushSettings settingsFor(const ImpastoBrush& brush);

    Canvas& canvas_;
    PatternImages patterns_;
    const Picture* style_ = nullptr;
    const Picture* texture_ = nullptr;
    BrushFootprint footprint_;
    RandomGenerator random_;
};

// Installs the gloss picture as the program's gloss map, for shading.
void useArtworkGlossMap();
// Primes a canvas as a painting ground: a colour, the grain of a paint style scaled by
// styleScale, and the relief of a texture, reliefScale x red (Fill Texture uses 0.02).
void primeCanvas(Canvas& canvas, Rgb colour, const Picture& style, float styleScale,
                 const Picture& texture, float reliefScale);
// The shaded canvas as a picture.
Picture shadedPicture(Canvas& canvas);

}  // namespace dw::artwork
