#include "filters/lit_pixel_filters.h"

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

// A flat, matte painting: each lit pixel is the colour plus the cell's own paint.
class LitPixelFiltersTest : public FilterTest {
  protected:
    void SetUp() override {
        painting.create(3, 1);
        painting.lighting = true;
        setColour(0, 0, 10, 20, 30, 5);
        setColour(1, 0, 250, 100, 0, 10);
        setColour(2, 0, 200, 100, 50, 0);
        for (uint32_t x = 0; x < 3; ++x) {
            cell(x, 0).height = 4.0f;
        }
    }
    Pixel shown(uint32_t x) { return painting.surface().getPixel(x, 0); }
};

TEST_F(LitPixelFiltersTest, FlattenThenReshadeShowsTheSamePictureUpToOneStep) {
    painting.shadeAll();
    const Pixel before[3] = {shown(0), shown(1), shown(2)};
    flatten(painting, history, inputs());
    // (15, 25, 35): grey 15 becomes paint, (0, 10, 20) falls to (0, 9, 19).
    expectColour(0, 0, 0, 9, 19);
    EXPECT_EQ(cell(0, 0).paint, 15);
    // (255, 110, 10) with red clamped: grey 10, colour (245, 100, 0), red falling.
    expectColour(1, 0, 244, 100, 0);
    EXPECT_EQ(cell(1, 0).height, cell(0, 0).height);  // flat still, a hair below 0
    EXPECT_NEAR(cell(1, 0).height, 0.0f, 1e-6f);
    painting.shadeAll();
    for (uint32_t x = 0; x < 3; ++x) {
        EXPECT_NEAR(shown(x).red, before[x].red, 1) << x;
        EXPECT_NEAR(shown(x).green, before[x].green, 1) << x;
        EXPECT_NEAR(shown(x).blue, before[x].blue, 1) << x;
    }
}

TEST_F(LitPixelFiltersTest, SickenShadesAnUnshadedPaintingBeforeReadingIt) {
    // The surface is still white from create: read as it is, every cell would turn black.
    ASSERT_FALSE(painting.shaded);
    cell(2, 0).gloss = 60;  // kept, unlike Flatten
    painting.lighting = false;
    sicken(painting, history, inputs());
    expectColour(2, 0, 149, 49, 0);  // (200, 100, 50) less 50, falling
    expectColour(0, 0, 0, 9, 19);
    EXPECT_EQ(cell(0, 0).paint, 0);
    EXPECT_EQ(cell(2, 0).gloss, 60);
}

}  // namespace
}  // namespace dw::test
