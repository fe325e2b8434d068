#include "filters/paintify.h"

#include <cstring>
#include <vector>

#include "tests/filters/filter_fixture.h"

namespace dw::test {
namespace {

TEST(PaintifyScaleTest, CopySizeAndTheCellsItLendsToPositions) {
    const PaintifyScale one(600, 600, 1);
    EXPECT_EQ(one.scale(), 0.76923078f);
    EXPECT_EQ(one.copyWidth(), 779u);  // 600 / 0.769230783 = 779.999997
    // s = 3.0769231: 8 x 4 cells give a 2 x 1 copy, and x = 7 would fall in column 2.
    const PaintifyScale four(8, 4, 4);
    EXPECT_EQ(four.copyWidth(), 2u);
    EXPECT_EQ(four.copyHeight(), 1u);
    EXPECT_EQ(four.copyColumn(3), 0u);
    EXPECT_EQ(four.copyColumn(4), 1u);
    EXPECT_EQ(four.copyColumn(7), 1u);
    EXPECT_EQ(four.copyRow(3), 0u);
    EXPECT_TRUE(PaintifyScale(50, 600, 100).empty());  // 50 / 76.9 = 0.65
    EXPECT_TRUE(PaintifyScale(10, 10, 0).empty());
}

// A hard brush of amount 1 without texture lays exactly its colour, and a blank paint style.
class PaintifyTest : public FilterTest {
  protected:
    void SetUp() override {
        brush.amount = 1.0f;
        brush.hardness = 100;
        brush.texture = 0;
        brush.thickness = 2.0f;
        brush.paintStyle = 0;
    }
    void fill(uint32_t width, uint32_t height, uint8_t red, uint8_t paint) {
        painting.create(width, height);
        for (uint32_t y = 0; y < height; ++y) {
            for (uint32_t x = 0; x < width; ++x) {
                setColour(x, y, red, 10, 250, paint);
            }
        }
    }
};

TEST_F(PaintifyTest, OneDabPerDrawnPositionInTheWrappedColourOfTheCopy) {
    // Size 1: the footprint is the centre cell alone; the copy is 6 x 3, so 36 dabs.
    fill(5, 3, 200, 100);
    brush.size = 1;
    random.seed(7);
    RandomGenerator draws(7);
    std::vector<int> dabs(15, 0);
    for (int i = 0; i < 36; ++i) {
        const int x = draws.next() % 5;  // x before y
        ++dabs[std::size_t(draws.next() % 3 * 5 + x)];
    }
    paintify(painting, history, inputs());
    for (uint32_t i = 0; i < 15; ++i) {
        const CanvasCell& c = painting.cells()[i];
        if (dabs[i] == 0) {
            EXPECT_EQ(c.red, 200);
            EXPECT_EQ(c.paint, 100);
        } else {
            expectColour(i % 5, i / 5, 44, 110, 94);  // 300, 110 and 350, each mod 256
            EXPECT_EQ(c.paint, 0);
        }
        EXPECT_EQ(c.height, float(dabs[i])) << i;  // half the thickness a dab
    }
    EXPECT_EQ(random.next(), draws.next());  // the dabs draw nothing themselves
}

TEST_F(PaintifyTest, NeverReadsPastTheCopyWhenTheSizeIsNoMultipleOfTheScale) {
    // The copy is red 10 | red 20; dabs in column 7 would read past its end.
    fill(8, 4, 10, 0);
    for (uint32_t i = 0; i < 32; ++i) {
        painting.cellsForWriting()[i].red = i % 8 < 4 ? 10 : 20;
    }
    brush.size = 4;
    RandomGenerator draws(1);
    bool column7 = false;
    for (int i = 0; i < 40; ++i, draws.next()) {
        column7 = column7 || draws.next() % 8 == 7;
    }
    ASSERT_TRUE(column7);
    for (int run = 0; run < 10; ++run) {  // 4 dabs each
        paintify(painting, history, inputs());
    }
    for (uint32_t i = 0; i < 32; ++i) {
        const CanvasCell& c = painting.cells()[i];
        EXPECT_TRUE(c.red == 10 || c.red == 20) << i;
        EXPECT_EQ(c.green, 10);
    }
}

// Stops the work at its n-th report.
class StopAt : public platform::Progress {
  public:
    explicit StopAt(int reports) : left_(reports) {}
    bool proceed(double) override { return --left_ > 0; }

  private:
    int left_;
};

TEST_F(PaintifyTest, StoppedItPutsThePaintingAndTheHistoryBack) {
    fill(60, 40, 200, 100);
    brush.size = 1;  // 2 x 78 x 52 dabs: many reports
    const std::vector<CanvasCell> before(painting.cells(), painting.cells() + painting.cellCount());
    history.setDocumentClean(true);
    StopAt stop(3);
    FilterInputs stoppable = inputs();
    stoppable.progress = &stop;
    paintify(painting, history, stoppable);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), painting.cells(),
                           [](const CanvasCell& a, const CanvasCell& b) {
                               return std::memcmp(&a, &b, sizeof a) == 0;
                           }));
    EXPECT_FALSE(history.undoEnabled());
    EXPECT_TRUE(history.documentClean());
}

}  // namespace
}  // namespace dw::test
