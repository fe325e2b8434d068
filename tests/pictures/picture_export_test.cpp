#include "app/painting_commands.h"
#include "app/pictures/export_picture.h"
#include "files/image_file.h"
#include "tests/pictures/picture_fixture.h"

namespace dw::test {
namespace {

// A 5 x 2 painting shown unlit: the top row a colour, the bottom row paint on black.
class ExportTest : public PictureTest {
  protected:
    void SetUp() override {
        PictureTest::SetUp();
        newPainting(state, 5, 2);
        for (uint32_t x = 0; x < 5; ++x) {
            state.painting.cellForWriting(x, 0) = {uint8_t(10 + x), 20, 200, 0, 0, {0, 0, 0}, 0.0f};
            state.painting.cellForWriting(x, 1) = {0, 0, 0, uint8_t(40 * x), 0, {0, 0, 0}, 0.0f};
        }
        setLighting(state, false);
    }

    AppState state;
};

TEST_F(ExportTest, PngHoldsExactlyThePaintingAsShown) {
    ASSERT_TRUE(exportPaintingPicture(state, "out.png"));
    Surface loaded;
    ASSERT_TRUE(LoadImageFile(loaded, "out.png"));
    EXPECT_EQ(colours(loaded), colours(state.painting.surface()));
    EXPECT_EQ(loaded.getPixel(4, 1), (Pixel{160, 160, 160, 0}));

    EXPECT_FALSE(exportPaintingPicture(state, "missing/out.png"));
    EXPECT_EQ(shownTexts().back(), "Export to \"missing/out.png\" failed!");
}

}  // namespace
}  // namespace dw::test
