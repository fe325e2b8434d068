#include "filters/colour_filters.h"

#include <tbb/global_control.h>

#include <cstring>
#include <random>

#include "canvas/simd_level.h"
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

// The wide kernels, on one thread or two, give the cell by cell results byte for byte, on
// every byte value and on runs that do not fill a group of eight.
TEST_F(ColourFiltersTest, WidePathsAndThreadCountsMatchTheCellByCellPath) {
    const SimdLevel detected = simdLevel();
    std::mt19937 random(5);
    const uint32_t sizes[][2] = {{1, 1}, {9, 3}, {700, 401}};
    for (const auto& size : sizes) {
        Canvas original;
        original.create(size[0], size[1]);
        CanvasCell* cells = original.cellsForWriting();
        for (std::size_t i = 0; i < original.cellCount(); ++i) {
            auto* bytes = reinterpret_cast<uint8_t*>(cells + i);
            for (std::size_t b = 0; b < sizeof(CanvasCell); ++b) {
                bytes[b] = uint8_t(random());
            }
        }
        for (const auto filter : {invertColor, aqua}) {
            ASSERT_TRUE(setSimdLevel(SimdLevel::Portable));
            painting.copyFrom(original);
            filter(painting, history, inputs());
            Canvas expected;
            expected.copyFrom(painting);
            for (const SimdLevel level : {SimdLevel::Sse2, SimdLevel::Avx2}) {
                for (const int threads : {1, 2}) {
                    if (!setSimdLevel(level)) {
                        continue;
                    }
                    tbb::global_control limit(tbb::global_control::max_allowed_parallelism,
                                              threads);
                    painting.copyFrom(original);
                    filter(painting, history, inputs());
                    EXPECT_EQ(std::memcmp(painting.cells(), expected.cells(),
                                          painting.cellCount() * sizeof(CanvasCell)),
                              0)
                        << size[0] << " x " << size[1] << ", level " << int(level) << ", threads "
                        << threads;
                }
            }
        }
    }
    setSimdLevel(detected);
}

}  // namespace
}  // namespace dw::test
