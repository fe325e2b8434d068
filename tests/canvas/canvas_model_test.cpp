#include <gtest/gtest.h>

#include "canvas/canvas.h"

namespace dw {
namespace {

void setRed(Canvas& canvas, uint32_t x, uint32_t y, uint8_t red, float height = 0.0f) {
    canvas.cellForWriting(x, y).red = red;
    canvas.cellForWriting(x, y).height = height;
}

TEST(CanvasModel, FillWithPaperHalvesColourAndPaperGrain) {
    Surface paper;
    paper.create(200, 200);
    paper.setPixel(1, 0, 201, 0, 0);
    Canvas canvas;
    canvas.create(202, 2);
    canvas.fillWithPaper(255, 101, 0, paper);
    EXPECT_EQ(canvas.at(0, 0).red, 127);
    EXPECT_EQ(canvas.at(0, 0).green, 50);
    EXPECT_EQ(canvas.at(1, 0).paint, 100);
    EXPECT_EQ(canvas.at(201, 0).paint, 100);  // the paper repeats every 200 cells
    EXPECT_EQ(canvas.at(0, 1).gloss, 255);
    EXPECT_EQ(canvas.at(0, 1).height, 20.0f);
    // An area keeps the grain where the whole fill puts it and leaves the rest alone.
    canvas.clearToWhite();
    canvas.fillAreaWithPaper(0, 0, 0, paper, 201, 0, 400, 1);
    EXPECT_EQ(canvas.at(201, 0).paint, 100);
    EXPECT_EQ(canvas.at(200, 0).red, 255);
    EXPECT_EQ(canvas.at(201, 1).red, 255);
}

class Resample : public ::testing::Test {
  protected:
    void SetUp() override {
        canvas.create(2, 2);
        setRed(canvas, 0, 0, 0, 0.0f);
        setRed(canvas, 1, 0, 100, 1.0f);
        setRed(canvas, 0, 1, 200, 2.0f);
        setRed(canvas, 1, 1, 40, 4.0f);
    }
    Canvas canvas;
};

// Interior cells are bilinear; in the last column or row the missing right or lower
// neighbours fall back to the top-left sample A, not to the nearest edge cell.
TEST_F(Resample, InteriorIsBilinearAndTheFarEdgesFallBackToTheTopLeftSample) {
    canvas.resample(4, 4);
    EXPECT_FLOAT_EQ(canvas.at(1, 1).height, 1.75f);
    const struct {
        uint32_t x, y;
        int red;
    } cases[] = {
        {0, 0, 0},   {1, 1, 85},  // top 50, bottom 120
        {3, 0, 100},              // x0 = 1 is the last column: B = D = A
        {3, 1, 85},               // C (40) toward A (100) gives 70 below, 85 between
        {1, 3, 160},              // y0 = 1 is the last row: C = D = A, top 120, bottom 200
    };
    for (const auto& c : cases) {
        EXPECT_EQ(canvas.at(c.x, c.y).red, c.red) << c.x << ", " << c.y;
    }
}

TEST_F(Resample, FractionsAreTruncated) {
    setRed(canvas, 1, 0, 101);
    canvas.resample(4, 4);
    EXPECT_EQ(canvas.at(1, 0).red, 50);  // 50.5
}

TEST_F(Resample, SameSizeCopiesEveryCellAndAnyResizeKeepsTheSwitchesButNotTheShading) {
    canvas.cellForWriting(1, 1).gloss = 77;
    canvas.cellForWriting(0, 1).paint = 9;
    canvas.lighting = true;
    canvas.shaded = true;
    canvas.resample(2, 2);
    EXPECT_EQ(canvas.at(1, 1).red, 40);
    EXPECT_EQ(canvas.at(1, 1).gloss, 77);
    EXPECT_EQ(canvas.at(0, 1).paint, 9);
    EXPECT_EQ(canvas.at(1, 1).height, 4.0f);
    canvas.shaded = true;
    canvas.resample(3, 1);
    EXPECT_EQ(canvas.height(), 1u);
    EXPECT_TRUE(canvas.lighting);
    EXPECT_FALSE(canvas.shaded);
    EXPECT_EQ(canvas.surface().width(), 3u);
}

}  // namespace
}  // namespace dw
