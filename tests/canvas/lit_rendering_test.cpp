#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include <tbb/global_control.h>

#include "canvas/canvas.h"
#include "canvas/gloss_map.h"
#include "canvas/simd_level.h"

namespace dw {
namespace {

// A gloss picture whose red channel gives map value v at (gx, gz) as 128 + v.
Surface glossPicture(int gx, int gz, int value, int centreValue) {
    Surface picture;
    picture.create(256, 256);
    picture.setPixel(128, 128, uint8_t(128 + centreValue), 0, 0);
    picture.setPixel(uint32_t(gx), uint32_t(gz), uint8_t(128 + value), 0, 0);
    return picture;
}

class LitRendering : public ::testing::Test {
  protected:
    void TearDown() override { glossMap().clear(); }

    // Width w, three rows, every cell (100, 100, 100) with no paint, flat, lit.
    void makeCanvas(uint32_t width) {
        canvas.create(width, 3);
        for (uint32_t y = 0; y < 3; ++y) {
            for (uint32_t x = 0; x < width; ++x) {
                canvas.cellForWriting(x, y) = CanvasCell{100, 100, 100, 0, 0, {0, 0, 0}, 0.0f};
            }
        }
        canvas.lighting = true;
    }

    // Heights 1.0 in one column, 0 elsewhere.
    void raiseColumn(uint32_t column, float height) {
        for (uint32_t y = 0; y < canvas.height(); ++y) {
            canvas.cellForWriting(column, y).height = height;
        }
    }

    Canvas canvas;
};

TEST_F(LitRendering, FlatCellsGetColourPaintAndAHighlightByTheirGloss) {
    glossMap().fillFrom(glossPicture(0, 0, 0, 40));
    makeCanvas(3);
    canvas.cellForWriting(1, 1) = CanvasCell{10, 20, 30, 5, 255, {0, 0, 0}, 0.0f};
    canvas.shadeAll();
    EXPECT_TRUE(canvas.shaded);
    // 255 x k is a hair above 1, so the highlight is the full 40.
    EXPECT_EQ(canvas.surface().getPixel(1, 1), (Pixel{55, 65, 75, 0}));
    canvas.cellForWriting(2, 1).paint = 7;  // matte: its own paint and no highlight
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(2, 1), (Pixel{107, 107, 107, 0}));
}

TEST_F(LitRendering, SlopeDisplacesPaintLookupAndDarkensMattePaint) {
    makeCanvas(20);
    raiseColumn(2, 1.0f);
    canvas.cellForWriting(15, 1).paint = 77;  // read at trunc(1 + 20 / sqrt 2) = 15
    canvas.shadeAll();
    // 177 x 0.70710677 = 125.16
    EXPECT_EQ(canvas.surface().getPixel(1, 1).red, 125);
    canvas.lighting = false;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(1, 1).red, 177);
}

TEST_F(LitRendering, FullGlossOnSlopeIsUndimmedWithDirectionalHighlight) {
    // N.x = 1/sqrt 2 gives gx = trunc(128 - 89.095) = 38.
    glossMap().fillFrom(glossPicture(38, 128, 50, 0));
    makeCanvas(20);
    raiseColumn(2, 1.0f);
    canvas.cellForWriting(1, 1).gloss = 255;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(1, 1).red, 150);
    canvas.lighting = false;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(1, 1).red, 100);  // gloss has no effect unlit
}

TEST_F(LitRendering, FirstColumnAndRowAreShadedFlat) {
    makeCanvas(20);
    for (uint32_t x = 1; x < 20; ++x) {
        raiseColumn(x, 1.0f);
    }
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(0, 1).red, 100);
    EXPECT_LT(canvas.surface().getPixel(1, 1).red, 100);
    EXPECT_EQ(canvas.surface().getPixel(2, 1).red, 100);  // inside the step the slope is gone
}

TEST_F(LitRendering, NegativeDisplacementWrapsAsUnsigned32Bit) {
    makeCanvas(400);
    raiseColumn(3, -0.4f);                     // cell 2 sees N.x = -0.371, so x + 20 N.x = -5.43
    canvas.cellForWriting(91, 1).paint = 99;   // (2^32 - 5) mod 400
    canvas.cellForWriting(395, 1).paint = 11;  // where a plain wrap-around would read
    canvas.lighting = false;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(2, 1).red, 199);
}

TEST_F(LitRendering, ShadeRectClipsAndLeavesTheRestAlone) {
    makeCanvas(5);
    canvas.shadeRect(-3, -3, 2, 2);
    EXPECT_EQ(canvas.surface().getPixel(1, 1).red, 100);
    EXPECT_EQ(canvas.surface().getPixel(2, 2).red, 255);  // still the white of create
    canvas.shadeRect(4, 0, 2, 3);                         // inverted: nothing
    EXPECT_EQ(canvas.surface().getPixel(3, 0).red, 255);
    canvas.shadeRect(3, 0, 100, 100);
    EXPECT_EQ(canvas.surface().getPixel(4, 2).red, 100);
}

// Paintings made to reach every corner of the arithmetic: steep and level relief, heights up
// to the float limits, NaN and infinities, gloss 0 and 255, paint that wraps at the edges.
void fillHostilePainting(Canvas& canvas, uint32_t width, uint32_t height, std::mt19937& random) {
    canvas.create(width, height);
    const float special[] = {std::numeric_limits<float>::quiet_NaN(),
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(),
                             std::numeric_limits<float>::max(),
                             -std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::denorm_min(),
                             1e30f,
                             -0.0f};
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_real_distribution<float> slope(-3.0f, 3.0f);
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            CanvasCell& c = canvas.cellForWriting(x, y);
            c = CanvasCell{uint8_t(byte(random)),
                           uint8_t(byte(random)),
                           uint8_t(byte(random)),
                           uint8_t(byte(random)),
                           uint8_t(byte(random)),
                           {0, 0, 0},
                           0.0f};
            const int kind = byte(random);
            if (kind < 3) {
                c.height = special[byte(random) % 8];
            } else if (kind < 40) {
                c.gloss = kind % 2 ? 255 : 0;
            }
            if (kind >= 3) {
                c.height = kind < 128 ? slope(random) * float(x % 7) : float(x % 9) * 0.5f;
            }
            // Level patches, of zeros of both signs or of a huge height.
            if ((x / 24 + y / 5) % 3 == 0) {
                c.height = (x / 24) % 2 ? 1e30f : ((x + y) % 2 ? 0.0f : -0.0f);
            }
        }
    }
}

Surface copyOf(const Surface& surface) {
    Surface copy;
    copy.create(surface.width(), surface.height());
    surface.drawInto(0, 0, copy);
    return copy;
}

bool samePixels(const Surface& a, const Surface& b) {
    return a.byteSize() == b.byteSize() && std::memcmp(a.bits(), b.bits(), a.byteSize()) == 0;
}

// Every fast path, on one thread or two, gives the portable path's pixels byte for byte, for
// the whole painting and for a rectangle, with lighting on and off.
void expectEveryPathMatchesPortable(Canvas& canvas, std::mt19937& random) {
    const SimdLevel detected = simdLevel();
    const uint32_t width = canvas.width();
    const uint32_t height = canvas.height();
    for (const bool lighting : {true, false}) {
        canvas.lighting = lighting;
        ASSERT_TRUE(setSimdLevel(SimdLevel::Portable));
        Surface expected;
        {
            tbb::global_control one(tbb::global_control::max_allowed_parallelism, 1);
            canvas.shadeAll();
            expected = copyOf(canvas.surface());
        }
        for (const SimdLevel level : {SimdLevel::Portable, SimdLevel::Sse2, SimdLevel::Avx2}) {
            if (!setSimdLevel(level)) {
                continue;
            }
            for (const int threads : {1, 2}) {
                SCOPED_TRACE(testing::Message()
                             << width << " x " << height << ", level " << int(level) << ", threads "
                             << threads << ", lighting " << lighting);
                tbb::global_control limit(tbb::global_control::max_allowed_parallelism, threads);
                canvas.surface().fillWhite();
                canvas.shadeAll();
                EXPECT_TRUE(samePixels(canvas.surface(), expected));
                // A rectangle shades exactly its cells, whatever its edges.
                canvas.surface().fillWhite();
                const int x0 = int(random() % width);
                const int y0 = int(random() % height);
                canvas.shadeRect(x0 - 1, y0, x0 + 300, y0 + 250);
                for (uint32_t y = 0; y < height; ++y) {
                    const bool rowIn = int(y) >= y0 && int(y) < y0 + 250;
                    for (uint32_t x = 0; x < width; x += 1 + random() % 3) {
                        const bool in = rowIn && int(x) >= x0 - 1 && int(x) < x0 + 300;
                        const Pixel want = in ? expected.getPixel(x, y) : Pixel{255, 255, 255, 0};
                        ASSERT_EQ(canvas.surface().getPixel(x, y), want) << x << ", " << y;
                    }
                }
            }
        }
    }
    setSimdLevel(detected);
}

TEST(LitRenderingPaths, EveryPathAndThreadCountMatchesThePortablePath) {
    std::mt19937 random(17);
    Surface picture;
    picture.create(256, 256);
    for (uint32_t gx = 0; gx < 256; ++gx) {
        for (uint32_t gz = 0; gz < 256; ++gz) {
            picture.setPixel(gx, gz, uint8_t(random()), 0, 0);
        }
    }
    glossMap().fillFrom(picture);
    // Inner rows of 7 and 8 cells sit either side of the narrowest span the wide kernel takes;
    // 613 ends its rows with an overlapping group and spans more than one chunk of groups.
    const uint32_t sizes[][2] = {{1, 1},  {1, 5000}, {5000, 1}, {2, 3},
                                 {9, 40}, {10, 40},  {37, 29},  {613, 301}};
    for (const auto& size : sizes) {
        Canvas canvas;
        fillHostilePainting(canvas, size[0], size[1], random);
        expectEveryPathMatchesPortable(canvas, random);
    }
    glossMap().clear();
}

// Dimmed colours whose exact value lies a hair below an integer, so that arithmetic a little
// less precise than the portable path's would round them up: every third row has the normal
// (1, 1, sqrt 2) / 2, whose diffuse term is exactly 1/2, under every colour and gloss.
TEST(LitRenderingPaths, DimmingNextToAnIntegerMatchesThePortablePath) {
    std::mt19937 random(5);
    Canvas canvas;
    canvas.create(262, 3 * 256 + 2);
    for (uint32_t y = 0; y < canvas.height(); ++y) {
        for (uint32_t x = 0; x < canvas.width(); ++x) {
            const auto red = uint8_t(x);
            CanvasCell& c = canvas.cellForWriting(x, y);
            c = CanvasCell{red, uint8_t(255 - red), uint8_t(x * 7), 0, uint8_t(y / 3), {0, 0, 0},
                           0.0f};
            c.height = y % 3 == 1 ? 0.5f * float(x) : (y % 3 == 2 ? std::sqrt(2.0f) : 0.0f);
        }
    }
    canvas.lighting = true;
    canvas.shadeAll();
    // 255 (1 - 254 k / 2) = 127.9999925
    EXPECT_EQ(canvas.surface().getPixel(255, 4).red, 127);
    expectEveryPathMatchesPortable(canvas, random);
}

}  // namespace
}  // namespace dw
