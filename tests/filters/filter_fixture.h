#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "canvas/canvas.h"
#include "canvas/undo_history.h"
#include "filters/filter_inputs.h"

namespace dw::test {

// A 3 x 3 white painting with everything a filter reads.
class FilterTest : public ::testing::Test {
  protected:
    void SetUp() override { painting.create(3, 3); }

    FilterInputs inputs() { return {brush, offsets, *patterns, random}; }
    CanvasCell& cell(uint32_t x, uint32_t y) { return painting.cellForWriting(x, y); }
    void setColour(uint32_t x, uint32_t y, uint8_t red, uint8_t green, uint8_t blue,
                   uint8_t paint = 0) {
        CanvasCell& c = cell(x, y);
        c.red = red;
        c.green = green;
        c.blue = blue;
        c.paint = paint;
    }
    void expectColour(uint32_t x, uint32_t y, int red, int green, int blue) {
        const CanvasCell& c = cell(x, y);
        EXPECT_EQ(c.red, red) << "cell " << x << "," << y;
        EXPECT_EQ(c.green, green) << "cell " << x << "," << y;
        EXPECT_EQ(c.blue, blue) << "cell " << x << "," << y;
    }

    Canvas painting;
    UndoHistory history;
    BrushSettings brush;
    SamplingOffsets offsets;
    std::unique_ptr<PatternImages> patterns = std::make_unique<PatternImages>();
    RandomGenerator random{1};
};

}  // namespace dw::test
