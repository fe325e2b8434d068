#include <gtest/gtest.h>

#include "tools/brush_footprint.h"

namespace dw {
namespace {

class FootprintTest : public ::testing::Test {
  protected:
    const BrushFootprint& build(int size, int hardness) {
        settings.size = size;
        settings.hardness = uint8_t(hardness);
        footprint.invalidate();
        BuildFootprint(footprint, settings);
        return footprint;
    }
    bool black(int x, int y) const {
        return footprint.profileIcon().getPixel(x, y) == Pixel{0, 0, 0, 0};
    }

    BrushSettings settings;
    BrushFootprint footprint;
};

TEST_F(FootprintTest, SizeOneWeighsOnlyTheCentreAtEveryHardness) {
    for (int hardness : {0, 1, 50, 100, 255}) {
        build(1, hardness);
        EXPECT_EQ(footprint.weight(1, 1), 1.0f) << hardness;
        EXPECT_EQ(footprint.weight(0, 0) + footprint.weight(0, 1) + footprint.weight(1, 0), 0.0f);
    }
}

TEST_F(FootprintTest, HardnessHundredCutsAtTheDiscRadiusExactly) {
    // Size 2: the diagonal neighbours lie exactly at R and are left out.
    build(2, 100);
    const float expected[4][4] = {{0, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 1, 1}, {0, 0, 1, 0}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_EQ(footprint.weight(column, row), expected[row][column]) << column << row;
        }
    }
}

TEST_F(FootprintTest, SpansHoldEveryWeightAndAShrunkTableIsClearedBeyondItsSquare) {
    build(60, 30);
    build(7, 30);
    for (int row = 0; row < BrushFootprint::kSide; ++row) {
        for (int column = 0; column < BrushFootprint::kSide; ++column) {
            const bool inside =
                column >= footprint.rowSpan(row).first && column < footprint.rowSpan(row).end &&
                row >= footprint.columnSpan(column).first && row < footprint.columnSpan(column).end;
            if (footprint.weight(column, row) > 0.0f) {
                ASSERT_TRUE(inside) << column << "," << row;
                ASSERT_LT(row, 14);
            }
        }
    }
}

TEST_F(FootprintTest, ProfileIconTracesTheEdgeFromHardCornerToNarrowSoftTop) {
    // Hardness 100 (a = 0): (0,54)-(0,5)-(54,5)-(54,54), end points not drawn. Hardness 0
    // (f = 0.01): a = trunc((54 - 0.54) x 0.5) = 26, a top from x 26 to 27, slopes beyond.
    const struct {
        int hardness, x, y;
        bool black;
    } spots[] = {{100, 0, 53, true}, {100, 0, 5, true}, {100, 53, 5, true}, {100, 53, 30, false},
                 {100, 0, 4, false}, {0, 26, 5, true},  {0, 28, 5, true},   {0, 25, 6, true},
                 {0, 29, 6, true},   {0, 25, 5, false}, {0, 29, 5, false},  {0, 0, 5, false}};
    for (const auto& spot : spots) {
        build(10, spot.hardness);
        EXPECT_EQ(black(spot.x, spot.y), spot.black)
            << spot.hardness << ":" << spot.x << "," << spot.y;
    }
}

}  // namespace
}  // namespace dw
