#pragma once

#include "canvas/canvas.h"
#include "canvas/pattern_images.h"
#include "canvas/undo_history.h"
#include "platform/random_generator.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// The program-wide record: everything a run of Daubwerk (the GUI or the batch tool) holds.
struct AppState {
    Canvas painting;
    UndoHistory history;
    float zoomFactor = 1.0f;
    RandomGenerator random{1};
    PatternImages patterns;
    BrushSettings brush;  // the current settings, which the panels edit
    StrokeModifiers strokeModifiers;
    SamplingOffsets offsets;
};

// The first painting of a run: 600 x 600 white cells, lighting on, zoom 1.
void setUpFirstPainting(AppState& state);

}  // namespace dw
