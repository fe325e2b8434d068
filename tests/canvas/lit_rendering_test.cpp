#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "canvas/canvas.h"
#include "canvas/gloss_map.h"
#include "tests/support/message_capture.h"

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

TEST_F(LitRendering, FlatGlossyCellGetsColourPaintAndHighlight) {
    glossMap().fillFrom(glossPicture(0, 0, 0, 40));
    makeCanvas(3);
    canvas.cellForWriting(1, 1) = CanvasCell{10, 20, 30, 5, 255, {0, 0, 0}, 0.0f};
    canvas.shadeAll();
    EXPECT_TRUE(canvas.shaded);
    // 255 x k is a hair above 1, so the highlight is the full 40.
    EXPECT_EQ(canvas.surface().getPixel(1, 1), (Pixel{55, 65, 75, 0}));
}

TEST_F(LitRendering, FlatMatteCellIsColourPlusOwnPaint) {
    makeCanvas(3);
    canvas.cellForWriting(1, 1).paint = 7;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(1, 1), (Pixel{107, 107, 107, 0}));
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

TEST_F(LitRendering, TinyAndNonFiniteCanvasesShadeSafely) {
    canvas.create(1, 1);
    canvas.lighting = true;
    canvas.shadeAll();
    EXPECT_EQ(canvas.surface().getPixel(0, 0).red, 255);
    makeCanvas(4);
    canvas.cellForWriting(1, 1).height = std::numeric_limits<float>::quiet_NaN();
    canvas.cellForWriting(2, 1).height = std::numeric_limits<float>::infinity();
    canvas.shadeAll();  // must neither crash nor read outside the grid
    EXPECT_EQ(canvas.surface().getPixel(0, 0).red, 100);
}

// Whole rows are shaded in bulk (two threads, four cells at a time); every pixel must still
// be what shading its cell alone gives.
TEST_F(LitRendering, BulkShadingMatchesCellByCellShading) {
    Surface picture;
    picture.create(256, 256);
    for (uint32_t gx = 0; gx < 256; ++gx) {
        for (uint32_t gz = 0; gz < 256; ++gz) {
            picture.setPixel(gx, gz, uint8_t(gx ^ gz), 0, 0);
        }
    }
    glossMap().fillFrom(picture);
    Canvas big;
    big.create(700, 700);
    for (uint32_t y = 0; y < 700; ++y) {
        for (uint32_t x = 0; x < 700; ++x) {
            CanvasCell& c = big.cellForWriting(x, y);
            c.height = float((x * 7 + y * 13) % 17) * 0.3f - float(x % 5);
            c.paint = uint8_t(x ^ y);
            c.gloss = uint8_t(x + y);
            c.red = uint8_t(x);
            c.blue = uint8_t(y * 3);
        }
    }
    big.cellForWriting(350, 350).height = std::numeric_limits<float>::quiet_NaN();
    big.lighting = true;
    big.shadeAll();
    Surface bulk;
    bulk.create(700, 700);
    big.surface().drawInto(0, 0, bulk);
    for (uint32_t y = 0; y < 700; ++y) {
        for (uint32_t x = 0; x < 700; ++x) {
            big.shadeCell(x, y);
        }
    }
    EXPECT_EQ(std::memcmp(bulk.bits(), big.surface().bits(), bulk.byteSize()), 0);
}

TEST(GlossMapLoad, RedAboveHalfBecomesHighlightAndMissingPictureIsReported) {
    test::MessageCapture messages;
    Surface picture;
    picture.create(2, 1);
    picture.setPixel(0, 0, 200, 0, 0);
    picture.setPixel(1, 0, 100, 0, 0);
    loadGlossMap(picture);
    EXPECT_EQ(glossMap().at(0, 0), 72);
    EXPECT_EQ(glossMap().at(1, 0), 0);
    EXPECT_EQ(glossMap().at(255, 255), 0);  // outside the picture: black
    EXPECT_TRUE(messages.texts().empty());
    loadGlossMap(Surface());
    EXPECT_EQ(glossMap().at(0, 0), 0);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "Gloss Map failed to load!");
    EXPECT_EQ(messages.shown()[0].caption, "Error");
}

}  // namespace
}  // namespace dw
