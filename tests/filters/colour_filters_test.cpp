#include "filters/colour_filters.h"

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

class ColourFiltersTest : public FilterTest {};

TEST_F(ColourFiltersTest, InvertColorFallsOneBelowAndRisesExactly) {
    setColour(0, 0, 200, 0, 255, 40);
    invertColor(painting, history, inputs());
    expectColour(0, 0, 54, 255, 0);
    invertColor(painting, history, inputs());
    expectColour(0, 0, 201, 0, 255);
    expectColour(2, 2, 255, 255, 255);
    EXPECT_EQ(cell(0, 0).paint, 40);
}

TEST_F(ColourFiltersTest, DesaturateWeighsRedMost) {
    setColour(1, 0, 100, 50, 0);  // L = 73.999998
    desaturate(painting, history, inputs());
    expectColour(0, 0, 253, 253, 253);  // L = 254.9999962, v = 254, falling
    expectColour(1, 0, 72, 73, 73);
}

TEST_F(ColourFiltersTest, SolarizeAndNightScaleTheLargestComponent) {
    setColour(0, 0, 100, 50, 0, 255);
    setColour(1, 0, 0, 0, 0, 200);  // a zero maximum gives 0
    setColour(2, 0, 200, 100, 50, 100);
    setColour(0, 1, 100, 50, 0, 0);
    Canvas copy;
    copy.copyFrom(painting);
    solarize(painting, history, inputs());
    expectColour(0, 0, 255, 127, 0);
    expectColour(1, 0, 0, 0, 0);
    painting.copyFrom(copy);
    night(painting, history, inputs());
    expectColour(0, 0, 255, 127, 0);  // paint 255: like Solarize
    expectColour(1, 0, 0, 0, 0);
    expectColour(2, 0, 99, 49, 24);  // targets 100, 50, 25, falling
    expectColour(0, 1, 0, 0, 0);     // paint 0: black
}

TEST_F(ColourFiltersTest, AquaChainsTheNewRedAndKeepsBlueAt30) {
    // v = 152: red 200 x 152/255 = 119.2, green 100 x 119/255 x 152/255 = 27.8, blue 3.7.
    setColour(0, 0, 200, 100, 40, 255);
    setColour(1, 0, 0, 0, 10, 0);
    aqua(painting, history, inputs());
    expectColour(0, 0, 118, 26, 29);  // blue's target 30, falling
    expectColour(1, 0, 0, 0, 30);
}

}  // namespace
}  // namespace dw::test
