#pragma once

#include "canvas/canvas.h"
#include "platform/random_generator.h"
#include "tools/brush_footprint.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw {

// The records a stroke works with; the program keeps one of each.
struct StrokeRecords {
    const BrushSettings& current;   // what the panels set
    StrokeModifiers& modifiers;     // lengths below 1 are raised and stored back
    BrushSettings& strokeSettings;  // what the tools receive, faded and waved
    BrushFootprint& footprint;
};

// The start of a stroke on a canvas: no movement seen yet, full settings.
void BeginStroke(Canvas& canvas, const StrokeRecords& stroke);

// A pointer movement of (dx, dy) = previous position minus new position, in window pixels:
// grows the stroke length, applies the stroke modifiers and, for a movement of length 0,
// switches the deposit off (a resting brush stops, but Spray Paint and Knife keep working).
void StrokeStep(Canvas& canvas, int dx, int dy, const StrokeRecords& stroke);

void EndStroke(Canvas& canvas, const StrokeRecords& stroke);

// A press on the painting starts the grain images at a random place; four draws, in the
// order texture x, texture y, style x, style y.
void ReseedOffsets(SamplingOffsets& offsets, RandomGenerator& random);

// Every pointer move drags the grain along with the hand, by the square of the movement from
// the drift reference (px, py) to (x, y); two draws.
void DriftOffsets(SamplingOffsets& offsets, RandomGenerator& random, int px, int py, int x, int y);

}  // namespace dw
