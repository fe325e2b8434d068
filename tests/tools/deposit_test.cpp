#include <array>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "canvas/simd_level.h"
#include "tests/tools/tool_fixture.h"
#include "tools/deposit_tools.h"

namespace dw {
namespace {

class DepositTest : public test::ToolTest {
  protected:
    DepositTest() {
        s.red = 10;
        s.green = 20;
        s.blue = 30;
        s.glossLevel = 99;
    }
    const CanvasCell& centre() { return canvas.at(4, 4); }
};

TEST_F(DepositTest, FullStrengthPaintBrushLaysExactlyTheBrushAndTheShiftedGrain) {
    setPattern(patterns->styles, 2, [](uint32_t x, uint32_t y) { return uint8_t(x + 3 * y); });
    // |trunc(-7.5) + 4| = 3 and |trunc(2.9) + 4| = 6: the absolute value, not a wrap to 197.
    offsets.styleOffsetX = -7.5f;
    offsets.styleOffsetY = 2.9f;
    canvas.cellForWriting(4, 4).height = 2.0f;
    dab(PaintBrush, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), {10, 20, 30, 21, 99, {}, 7.0f}));
    EXPECT_TRUE(test::sameCell(canvas.at(5, 4), kWhiteCell));
}

TEST_F(DepositTest, BlackTextureStopsThePaintBrushButNotTheTube) {
    s.texture = 5;  // an image that did not load reads 0 everywhere
    dab(PaintBrush, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), kWhiteCell));
    dab(TubePaint, 4, 4);
    EXPECT_TRUE(test::sameCell(centre(), {10, 20, 30, 0, 99, {}, 0.0f}));
}

TEST_F(DepositTest, OnlySprayWorksWithItsCentreOffTheCanvas) {
    s.size = 2;
    for (auto effect : {PaintBrush, TubePaint, Knife, GelBrush}) {
        dab(effect, -1, 4);
        EXPECT_TRUE(test::sameCell(canvas.at(0, 4), kWhiteCell));
    }
    dab(SprayPaint, -1, 4);
    EXPECT_NE(canvas.at(0, 4).red, 255);
}

TEST_F(DepositTest, PatternNumbersPastTheLastReadTheLastImage) {
    s.paintStyle = 200;
    s.texture = 250;
    setPattern(patterns->styles, 17, [](uint32_t, uint32_t) { return uint8_t(77); });
    setPattern(patterns->textures, 17, [](uint32_t, uint32_t) { return uint8_t(255); });
    dab(PaintBrush, 4, 4);
    EXPECT_EQ(centre().paint, 77);
    EXPECT_EQ(centre().red, 10);
}

TEST_F(DepositTest, SizesPastTheTableVisitOnlyTheLargestSquare) {
    canvas.create(301, 301);
    s.size = 5000;
    dab(PaintBrush, 150, 150);
    EXPECT_EQ(canvas.at(150, 85).red, 10);  // inside the disc of radius 70.7
    EXPECT_EQ(canvas.at(150, 40).red, 255);
    EXPECT_EQ(canvas.at(150, 0).red, 255);
}

// The wide path gives the portable one's cells bit for bit, the bytes no tool uses included,
// on random cells with extreme heights, for every deposit, size, texture, hardness, amount and
// clipped edge, on a square painting and on a single cell, row and column.
TEST_F(DepositTest, EveryPathLaysThePortablePathsCells) {
    std::mt19937 draw(7);
    const auto byte = [&](uint32_t, uint32_t) { return uint8_t(draw()); };
    setPattern(patterns->styles, 2, byte);
    setPattern(patterns->textures, 4, byte);
    constexpr float kMax = std::numeric_limits<float>::max();
    constexpr float kHeights[] = {0.0f,
                                  -0.0f,
                                  1e-40f,
                                  -3.5f,
                                  1e30f,
                                  -kMax,
                                  kMax,
                                  std::numeric_limits<float>::infinity(),
                                  std::numeric_limits<float>::quiet_NaN()};
    constexpr float kAmounts[] = {0.0f, 1.0f, 1e-6f, 0.5f};
    const SimdLevel detected = simdLevel();
    for (const auto& [width, height] :
         {std::pair{230u, 210u}, {1u, 1u}, {1u, 5000u}, {5000u, 1u}}) {
        canvas.create(width, height);
        CanvasCell* cells = canvas.cellsForWriting();
        for (std::size_t n = 0; n < canvas.cellCount(); ++n) {
            uint8_t bytes[8];
            for (uint8_t& b : bytes) {
                b = uint8_t(draw());
            }
            std::memcpy(&cells[n], bytes, 8);
            cells[n].height = draw() % 4 ? float(int(draw() % 2000) - 1000) * 0.37f
                                         : kHeights[draw() % std::size(kHeights)];
        }
        const std::size_t bytes = canvas.cellCount() * sizeof(CanvasCell);
        const std::vector<CanvasCell> start(cells, cells + canvas.cellCount());
        std::vector<CanvasCell> expected;
        for (const SimdLevel level : {SimdLevel::Portable, SimdLevel::Sse2, SimdLevel::Avx2}) {
            if (!setSimdLevel(level)) {
                continue;
            }
            std::memcpy(canvas.cellsForWriting(), start.data(), bytes);
            std::mt19937 dabs(11);
            for (int round = 0; round < 120; ++round) {
                s.size = round < 100 ? round + 1 : 100 + int(dabs() % 50);
                s.hardness = std::array{0, 37, 100}[round % 3];
                s.texture = round % 5 == 0 ? 0 : 4;
                s.paintStyle = 2;
                s.amount = round % 3 == 1 ? kAmounts[dabs() % std::size(kAmounts)]
                                          : 0.01f + float(dabs() % 100) * 0.01f;
                s.thickness = float(dabs() % 1000) * 0.1f;
                offsets.styleOffsetX = float(int(dabs() % 600) - 300) + 0.5f;
                offsets.textureOffsetX = float(int(dabs() % 600) - 300);
                s.red = uint8_t(dabs());
                s.glossLevel = uint8_t(dabs());
                // Corners and edges, then anywhere on the painting or just off it.
                const int x =
                    round < 4 ? int(round % 2 * (width - 1)) : int(dabs() % (width + 30)) - 15;
                const int y =
                    round < 4 ? int(round / 2 * (height - 1)) : int(dabs() % (height + 30)) - 15;
                dab(std::array{PaintBrush, TubePaint, Knife}[round % 3], x, y);
            }
            if (expected.empty()) {
                expected.assign(canvas.cells(), canvas.cells() + canvas.cellCount());
            } else {
                EXPECT_EQ(std::memcmp(canvas.cells(), expected.data(), bytes), 0)
                    << int(level) << " on " << width << " x " << height;
            }
        }
        EXPECT_NE(std::memcmp(expected.data(), start.data(), bytes), 0);
    }
    setSimdLevel(detected);
}

}  // namespace
}  // namespace dw
