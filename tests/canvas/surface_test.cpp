#include <gtest/gtest.h>

#include "canvas/surface.h"

namespace dw {
namespace {

TEST(SurfaceLayout, OutOfRangeOrInvalidReadsGiveBlackAndWritesAreIgnored) {
    Surface s;
    s.create(4, 4);
    s.fillWhite();
    EXPECT_EQ(s.getPixel(-1, 0), Pixel{});
    EXPECT_EQ(s.getPixel(4, 0), Pixel{});
    EXPECT_EQ(s.getPixel(0, 4), Pixel{});
    s.setPixel(4, 0, 1, 2, 3);
    s.setPixel(0, 0xFFFFFFFFu, 1, 2, 3);
    for (uint32_t y = 0; y < 4; ++y) {
        EXPECT_EQ(s.getPixel(3, y), (Pixel{255, 255, 255, 0}));
    }
    // A surface without pixels reads black and ignores every write.
    s.create(0, 10);
    EXPECT_FALSE(s.valid());
    s.setPixel(0, 0, 1, 1, 1);
    s.fillWhite();
    EXPECT_EQ(s.getPixel(0, 0), Pixel{});
    s.create(Surface::kMaxSide + 1, 1);
    EXPECT_FALSE(s.valid());
}

TEST(SurfaceTint, KeepWeighsTheOldPixel) {
    Surface s;
    s.create(3, 1);
    s.fillWhite();
    s.tintRect(0, 0, 1, 1, 255, 0, 0, 255);
    EXPECT_EQ(s.getPixel(0, 0), (Pixel{255, 255, 255, 0}));
    s.tintRect(1, 0, 2, 1, 10, 20, 30, 0);
    EXPECT_EQ(s.getPixel(1, 0), (Pixel{10, 20, 30, 0}));
    s.tintRect(2, 0, 3, 1, 255, 0, 0, 128);  // halfway to white: 0 + 0.50196 * 255
    EXPECT_EQ(s.getPixel(2, 0), (Pixel{255, 128, 128, 0}));
}

TEST(SurfaceDraw, DrawIntoClipsAtEveryEdge) {
    Surface source;
    source.create(3, 3);
    source.setPixel(0, 0, 1, 0, 0);
    source.setPixel(2, 2, 9, 0, 0);
    Surface target;
    target.createWithAlpha(4, 4);
    source.drawInto(-2, -2, target);
    EXPECT_EQ(target.getPixel(0, 0).red, 9);
    source.drawInto(3, 3, target);
    EXPECT_EQ(target.getPixel(3, 3).red, 1);
    EXPECT_EQ(target.getPixel(1, 1).red, 0);
}

}  // namespace
}  // namespace dw
