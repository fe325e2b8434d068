#include <gtest/gtest.h>

#include <cmath>

#include "resources/artwork/pattern_kit.h"
#include "resources/artwork/tile_noise.h"

namespace dw::artwork {
namespace {

// Positions off the pixel grid, on both sides of the tile and beyond it.
const float kProbes[][2] = {{0.0f, 0.0f},    {13.37f, 191.2f}, {199.9f, 0.4f},
                            {-7.25f, 55.5f}, {88.1f, -120.6f}, {310.4f, 412.9f}};

class TileRepetition : public ::testing::Test {
  protected:
    template <typename F>
    static void expectPeriodic(F field, const char* what) {
        for (const auto& p : kProbes) {
            const float here = field(p[0], p[1]);
            EXPECT_NEAR(field(p[0] + kTile, p[1]), here, 1e-4f) << what << " at " << p[0];
            EXPECT_NEAR(field(p[0], p[1] - kTile), here, 1e-4f) << what << " at " << p[1];
        }
    }
};

TEST_F(TileRepetition, GradientAndFractalNoiseRepeat) {
    expectPeriodic([](float x, float y) { return gradientNoise(x, y, 7, 3u); }, "gradient");
    expectPeriodic([](float x, float y) { return fractalNoise(x, y, 5, 4, 0.5f, 3u); }, "fractal");
}

TEST_F(TileRepetition, StreakAndCellNoiseRepeat) {
    expectPeriodic([](float x, float y) { return streakNoise(x, y, 3, 40, 9u); }, "streaks");
    expectPeriodic([](float x, float y) { return cellNoise(x, y, 9, 0.9f, 5u).nearest; }, "cells");
    expectPeriodic([](float x, float y) { return cellNoise(x, y, 9, 0.9f, 5u).edge; }, "edges");
}

TEST_F(TileRepetition, WeavesRepeat) {
    expectPeriodic([](float x, float y) { return wovenHeight(x, y, 5, 1, 0.9f, 0.4f, 2u); },
                   "plain weave");
    expectPeriodic([](float x, float y) { return wovenHeight(x, y, 10, 2, 0.9f, 0.2f, 2u); },
                   "twill");
}

TEST(CellNoise, EdgeDistanceVanishesWhereTheCellChanges) {
    const float step = 0.25f;
    int borders = 0;
    CellDistances previous = cellNoise(0.0f, 77.7f, 9, 0.9f, 5u);
    for (float x = step; x < float(kTile); x += step) {
        const CellDistances here = cellNoise(x, 77.7f, 9, 0.9f, 5u);
        EXPECT_GE(here.edge, -1e-3f);
        EXPECT_LE(here.nearest, here.second);
        if (here.id != previous.id) {
            ++borders;
            EXPECT_LE(here.edge, step + 1e-3f) << "at x = " << x;
            EXPECT_LE(previous.edge, step + 1e-3f) << "at x = " << x - step;
        }
        previous = here;
    }
    EXPECT_GE(borders, 6);
}

TEST(TileField, WrapsIndicesAndBlursSeamlessly) {
    Field field;
    field.at(0, 0) = 100.0f;
    EXPECT_FLOAT_EQ(field.at(kTile, -kTile), 100.0f);
    field.blur(1);
    // The spike spreads across the edge to the far side of the tile as well.
    EXPECT_NEAR(field.at(kTile - 1, kTile - 1), 100.0f / 9.0f, 1e-3f);
    EXPECT_NEAR(field.at(1, 1), 100.0f / 9.0f, 1e-3f);
    EXPECT_FLOAT_EQ(field.at(2, 0), 0.0f);
}

}  // namespace
}  // namespace dw::artwork
