#include <cmath>

#include "filters/paint_filters.h"
#include "filters/texture_filters.h"
#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

// Pattern pixel (px, py) with px, py < 5 reads 10 px + py + 1, and 0 elsewhere, so that a
// cell's paint names the pixel it came from.
class PaintTextureFiltersTest : public FilterTest {
  protected:
    void SetUp() override {
        FilterTest::SetUp();
        Surface picture;
        picture.create(200, 200);
        for (uint32_t py = 0; py < 5; ++py) {
            for (uint32_t px = 0; px < 5; ++px) {
                picture.setPixel(px, py, uint8_t(10 * px + py + 1), 0, 0);
            }
        }
        picture.setPixel(199, 0, 50, 0, 0);
        patterns->styleTiles[4].fillFrom(picture);
        patterns->textureTiles[0].fillFrom(picture);
        brush.paintStyle = 4;
        brush.texture = 0;  // no texture to the tools, but Fill Texture reads image 0
    }
};

TEST_F(PaintTextureFiltersTest, FillPaintShiftsByTheTruncatedTextureOffsets) {
    // Columns |trunc(-2.7) + x| = 2, 1, 0 (not 198, 199, 0); rows |201 + y| mod 200 = 1, 2, 3.
    offsets = {-2.7f, 201.9f, 50.0f, 50.0f};
    cell(0, 0).paint = 255;
    fillPaint(painting, history, inputs());
    EXPECT_EQ(cell(0, 0).paint, 22 - 1);  // falling
    EXPECT_EQ(cell(1, 0).paint, 12);
    EXPECT_EQ(cell(2, 0).paint, 2);
    EXPECT_EQ(cell(0, 2).paint, 24);
    invertPaint(painting, history, inputs());
    EXPECT_EQ(cell(1, 0).paint, 243);
}

TEST_F(PaintTextureFiltersTest, FillTextureTurnsRedIntoHeightsTiledEvery200) {
    Canvas wide;
    wide.create(201, 1);
    offsets.textureOffsetX = 1.0f;  // x = 198 reads column 199 (red 50), x = 199 column 0
    fillTexture(wide, history, inputs());
    EXPECT_EQ(wide.at(198, 0).height, 1.0f);  // 0.02 x 50
    EXPECT_FLOAT_EQ(wide.at(199, 0).height, 0.02f);
    EXPECT_FLOAT_EQ(wide.at(0, 0).height, 0.22f);
    EXPECT_EQ(wide.at(5, 0).height, 0.0f);
}

TEST_F(PaintTextureFiltersTest, ReliefFiltersScaleAndMirrorTheHeights) {
    cell(0, 0).height = 1.0f;
    cell(1, 0).height = 0.5f;
    deflate(painting, history, inputs());
    EXPECT_EQ(cell(0, 0).height, std::nextafter(0.5f, 0.0f));  // 0.49999997: falling
    cell(0, 0).height = 1.0f;
    inflate(painting, history, inputs());
    EXPECT_EQ(cell(0, 0).height, 2.0f);
    EXPECT_EQ(cell(2, 2).height, 0.0f);
    invertTexture(painting, history, inputs());
    EXPECT_EQ(cell(0, 0).height, std::nextafter(-2.0f, -3.0f));  // falling by 4
}

TEST_F(PaintTextureFiltersTest, OutlineTextureRaisesByTheUntruncatedLuma) {
    cell(0, 0).height = 1.0f;
    setColour(1, 0, 0, 0, 0);
    outlineTexture(painting, history, inputs());
    // L = 255.0f once rounded: target 1 + 0.04 x 255 = 11.2, plus the blend's hair.
    EXPECT_EQ(cell(0, 0).height, 11.200000762939453f);
    EXPECT_EQ(cell(1, 0).height, 0.0f);
}

}  // namespace
}  // namespace dw::test
