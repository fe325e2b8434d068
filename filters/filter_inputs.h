#pragma once

#include "canvas/pattern_images.h"
#include "platform/progress.h"
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
    // Where a long filter (Paintify) tells how far it has come and learns whether the user
    // stopped it; none: it runs to its end.
    platform::Progress* progress = nullptr;
};

}  // namespace dw
