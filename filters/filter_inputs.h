#pragma once

#include "canvas/pattern_images.h"
#include "platform/random_generator.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// What the filters read besides the painting: the current brush (its colour for Clear, its
// paint style and texture for the Fill filters, all of it for Paintify), where the grain
// images are sampled, the images themselves and the program's generator (Paintify only).
// The GUI's menu and the batch tool fill it from the program state.
struct FilterInputs {
    const BrushSettings& brush;
    const SamplingOffsets& offsets;
    const PatternImages& patterns;
    RandomGenerator& random;
};

}  // namespace dw
