#include "files/pattern_loading.h"
#include "canvas/gloss_map.h"
#include "canvas/pattern_images.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

class PatternLoadingTest : public PictureTest {};

uint8_t ramp(uint32_t x, uint32_t y) {
    return uint8_t(3 * x + y);
}

TEST_F(PatternLoadingTest, PatternsComeThroughTheGreyStoreAndReadTiled) {
    writeBitmap("WorkData/Styles/paint3.bmp", makePicture(200, 200, [](uint32_t x, uint32_t y) {
                    return Pixel{ramp(x, y), 1, 2};
                }));
    writeBitmap("WorkData/Textures/bump17.bmp", solidPicture(4, 4, {99, 0, 0}));
    auto patterns = std::make_unique<PatternImages>();
    LoadPatternImages(*patterns);

    EXPECT_EQ(patterns->styles[3].getPixel(5, 6), (Pixel{ramp(5, 6), ramp(5, 6), ramp(5, 6), 0}));
    const PatternTile& style = patterns->styleTiles[3];
    // |trunc(-3.7) + 1| = 2 and |-210 + 0| mod 200 = 10: the absolute value comes first.
    EXPECT_EQ(style.at(tiledCoordinate(-3.7f, 1), tiledCoordinate(-210.0f, 0)), ramp(2, 10));
    EXPECT_EQ(style.at(tiledCoordinate(150.9f, 60), tiledCoordinate(0.0f, 399)), ramp(10, 199));
    EXPECT_EQ(patterns->textureTiles[17].at(3, 3), 99);
    EXPECT_EQ(patterns->textureTiles[17].at(4, 0), 0);  // beyond a small picture
    EXPECT_EQ(patterns->styleTiles[0].at(0, 0), 0);     // missing: reads 0
    EXPECT_EQ(shownTexts().front(), "WorkData/Styles/paint0.bmp Failed to load!");
    EXPECT_EQ(boxes.shown().size(), 34u);
}

TEST_F(PatternLoadingTest, GlossMapIsRedLess128NeverBelowZero) {
    writeBitmap("WorkData/gloss.bmp", makePicture(3, 2, [](uint32_t x, uint32_t y) {
                    const uint8_t reds[] = {0, 127, 128, 129, 255, 200};
                    return Pixel{reds[y * 3 + x], 50, 250};
                }));
    loadGlossMapFromStore();
    const GlossMap& map = glossMap();
    // gx is the picture's column, gz its row; outside the picture the map is 0.
    const std::vector<int> values = {map.at(0, 0), map.at(1, 0), map.at(2, 0),    map.at(0, 1),
                                     map.at(1, 1), map.at(2, 1), map.at(128, 128)};
    EXPECT_EQ(values, (std::vector<int>{0, 0, 0, 1, 127, 72, 0}));
    EXPECT_TRUE(boxes.shown().empty());

    std::filesystem::remove_all("data");
    std::filesystem::remove_all("WorkData");
    loadGlossMapFromStore();
    EXPECT_EQ(glossMap().at(1, 1), 0);
    EXPECT_EQ(shownTexts().back(), "Gloss Map failed to load!");
}

}  // namespace
}  // namespace dw::test
