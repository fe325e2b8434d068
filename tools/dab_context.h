#pragma once

#include "canvas/pattern_images.h"
#include "platform/random_generator.h"
#include "tools/brush_footprint.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// What a tool effect reads besides its canvas and the stroke settings: the footprint (built
// before the dab), where the grain images are sampled, the images, and the generator that
// Spray Paint draws from.
struct DabContext {
    const BrushFootprint& footprint;
    const SamplingOffsets& offsets;
    const PatternImages& patterns;
    RandomGenerator& random;
};

}  // namespace dw
