#include "filters/whole_cell_filters.h"

#include <cmath>

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

class WholeCellFiltersTest : public FilterTest {};

TEST_F(WholeCellFiltersTest, DefenestrateRotatesTheFields) {
    setColour(0, 0, 10, 20, 30, 40);
    cell(0, 0).height = -1.5f;
    cell(1, 0).height = 300.7f;  // 300 = 256 + 44
    defenestrate(painting, history, inputs());
    // Red from the low 8 bits of trunc(-1.5) = -1; blue 30 -> 10 and paint 40 -> 20 fall.
    expectColour(0, 0, 255, 40, 9);
    EXPECT_EQ(cell(0, 0).paint, 19);
    // Rising from -1.5 to 30 the weight's hair lifts the height one float step past 30.
    EXPECT_EQ(cell(0, 0).height, std::nextafter(30.0f, 31.0f));
    EXPECT_EQ(cell(1, 0).red, 44 - 1);
}

TEST_F(WholeCellFiltersTest, ClearLeavesTheBrushColourAlone) {
    brush.red = 0;
    brush.green = 200;
    brush.blue = 255;
    cell(1, 2) = {50, 60, 70, 10, 100, {}, 2.0f};
    clear(painting, history, inputs());
    expectColour(1, 2, 0, 200, 255);
    expectColour(0, 0, 0, 199, 255);
    EXPECT_EQ(cell(1, 2).paint, 0);
    EXPECT_EQ(cell(1, 2).gloss, 0);
    EXPECT_NEAR(cell(1, 2).height, 0.0f, 1e-6f);
}

}  // namespace
}  // namespace dw::test
