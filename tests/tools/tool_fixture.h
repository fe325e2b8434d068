#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "canvas/canvas.h"
#include "canvas/pattern_images.h"
#include "tools/brush_footprint.h"
#include "tools/dab_context.h"

namespace dw::test {

// A small canvas, a brush that is easy to compute by hand (amount 1, hard edge, no texture,
// one cell) and everything a dab reads.
class ToolTest : public ::testing::Test {
  protected:
    ToolTest() {
        canvas.create(9, 9);
        s.amount = 1.0f;
        s.hardness = 100;
        s.texture = 0;
        s.size = 1;
        s.thickness = 10.0f;
    }

    DabContext context() { return {footprint, offsets, *patterns, random}; }

    template <class Effect>
    void dab(Effect effect, int x, int y) {
        footprint.invalidate();
        BuildFootprint(footprint, s);
        effect(canvas, x, y, s, context());
    }

    void fillAll(const CanvasCell& cell) {
        for (uint32_t y = 0; y < canvas.height(); ++y) {
            for (uint32_t x = 0; x < canvas.width(); ++x) {
                canvas.cellForWriting(x, y) = cell;
            }
        }
    }

    // Pattern image number of a set gets value(x, y) as its red channel.
    template <class Value>
    void setPattern(std::array<Surface, kPatternCount>& set, int number, Value value) {
        set[number].create(200, 200);
        for (uint32_t y = 0; y < 200; ++y) {
            for (uint32_t x = 0; x < 200; ++x) {
                set[number].setPixel(x, y, value(x, y), 0, 0);
            }
        }
        patterns->refreshTiles();
    }

    Canvas canvas;
    BrushSettings s;
    BrushFootprint footprint;
    SamplingOffsets offsets;
    std::unique_ptr<PatternImages> patterns = std::make_unique<PatternImages>();
    RandomGenerator random{1};
};

inline bool sameCell(const CanvasCell& a, const CanvasCell& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.paint == b.paint &&
           a.gloss == b.gloss && a.height == b.height;
}

}  // namespace dw::test
