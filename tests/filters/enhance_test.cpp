#include "filters/enhance.h"

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

class EnhanceTest : public FilterTest {
  protected:
    void SetUp() override { painting.create(2, 1); }
};

TEST_F(EnhanceTest, StretchesByTheMaximumNotTheRange) {
    // Colours: min 20, max 200, scale 255 / 200 = 1.275f applied to value - 20.
    setColour(0, 0, 50, 100, 150, 10);
    setColour(1, 0, 100, 200, 20, 60);
    cell(0, 0).height = 3.5f;
    enhance(painting, history, inputs());
    expectColour(0, 0, 37, 101, 165);  // 38.2 falling, 101.99999, 165.7
    expectColour(1, 0, 101, 229, 0);
    // Paint: min 10, max 60, scale 4.25, a quarter of the way toward the stretched value.
    EXPECT_EQ(cell(0, 0).paint, 6);   // p = 0: 10 - 2.5 = 7.5, falling
    EXPECT_EQ(cell(1, 0).paint, 98);  // p = 212: 60 + 38
    EXPECT_EQ(cell(0, 0).height, 3.5f);
}

TEST_F(EnhanceTest, AllBlackPaintingStaysBlack) {
    setColour(0, 0, 0, 0, 0);
    setColour(1, 0, 0, 0, 0);
    enhance(painting, history, inputs());
    expectColour(0, 0, 0, 0, 0);
    EXPECT_EQ(cell(1, 0).paint, 0);
}

}  // namespace
}  // namespace dw::test
