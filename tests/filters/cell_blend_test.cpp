#include "filters/cell_blend.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dw {
namespace {

// The byte blend skips the float sum; it must agree with it for every pair.
TEST(CellBlendTest, ByteShortcutMatchesTheWeightedSum) {
    for (int c = 0; c < 256; ++c) {
        for (int t = 0; t < 256; ++t) {
            ASSERT_EQ(blendByte(uint8_t(c), uint8_t(t)), truncToByte(c + kBlendWeight * (t - c)))
                << c << " -> " << t;
        }
    }
    EXPECT_EQ(blendByte(200, 55), 54);
    EXPECT_EQ(blendByte(255, 0), 0);
}

TEST(CellBlendTest, GlossAndHeightRoundToFloat) {
    // 255 - 55 w = 199.9999967 rounds to 200.0f: gloss keeps the target a byte misses.
    EXPECT_EQ(blendGloss(255, 200), 200);
    EXPECT_EQ(blendGloss(2, 1), 0);
    EXPECT_EQ(blendGloss(100, 0), 0);
    EXPECT_EQ(blendHeight(1.0f, 0.5f), std::nextafter(0.5f, 0.0f));
    EXPECT_EQ(blendHeight(1.0f, 2.0f), 2.0f);
    EXPECT_LT(blendHeight(2.0f, 0.0f), 0.0f);  // a hair of negative relief
}

}  // namespace
}  // namespace dw
