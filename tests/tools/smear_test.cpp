#include "tests/tools/tool_fixture.h"
#include "tools/smear_tools.h"

namespace dw {
namespace {

class SmearTest : public test::ToolTest {
  protected:
    // Red tells the column, green the row.
    void stripes() {
        for (uint32_t y = 0; y < 9; ++y) {
            for (uint32_t x = 0; x < 9; ++x) {
                canvas.cellForWriting(x, y) = {uint8_t(20 * x), uint8_t(20 * y), 0, 0, 0, {},
                                               float(x)};
            }
        }
    }
};

TEST_F(SmearTest, FingerSmearsInPlaceColumnsFirst) {
    stripes();
    s.size = 3;
    dab(Finger, 4, 4);
    // Column 2 takes column 0; column 3 then takes column 2 as this dab left it; the centre
    // and column 5 are their own sources; column 6 takes the untouched column 7.
    const uint8_t red[9] = {0, 20, 0, 0, 80, 100, 140, 140, 160};
    for (uint32_t x = 0; x < 9; ++x) {
        EXPECT_EQ(canvas.at(x, 4).red, red[x]) << x;
        EXPECT_EQ(canvas.at(x, 4).green, 80) << x;
    }
    EXPECT_EQ(canvas.at(3, 4).height, 0.0f);
    EXPECT_EQ(canvas.at(6, 4).height, 7.0f);
}

TEST_F(SmearTest, FingerVisitsColumnsOuterRowsInner) {
    stripes();
    s.size = 6;
    dab(Finger, 4, 4);
    // (2, 7) takes (0, 8) first; (3, 6) then reads (2, 7), an earlier column but a later row.
    EXPECT_EQ(canvas.at(2, 7).green, 160);
    EXPECT_EQ(canvas.at(3, 6).red, 0);
    EXPECT_EQ(canvas.at(3, 6).green, 160);
}

TEST_F(SmearTest, FingerClampsItsSourcesToTheCanvas) {
    stripes();
    s.size = 5;
    dab(Finger, 4, 4);
    EXPECT_EQ(canvas.at(4, 1).green, 0);    // trunc(-2.7 + 1) = -1 reads row 0
    EXPECT_EQ(canvas.at(4, 7).green, 160);  // trunc(2.7 + 7) = 9 reads row 8
}

TEST_F(SmearTest, FingerIsShapedByTheTextureAtTheDestination) {
    stripes();
    s.size = 2;
    s.texture = 1;
    setPattern(patterns->textures, 1,
               [](uint32_t x, uint32_t) { return uint8_t(x == 5 ? 0 : 255); });
    dab(Finger, 4, 4);
    EXPECT_EQ(canvas.at(3, 4).red, 40);   // from column 2
    EXPECT_EQ(canvas.at(5, 4).red, 100);  // texture 0: no strength
}

TEST_F(SmearTest, FullEraserLeavesWhitePaperWithHalfTheGloss) {
    fillAll({10, 20, 30, 40, 200, {}, 6.0f});
    s.size = 2;
    dab(Eraser, 4, 4);
    EXPECT_TRUE(test::sameCell(canvas.at(4, 5), {255, 255, 255, 0, 100, {}, 0.0f}));
    EXPECT_TRUE(test::sameCell(canvas.at(5, 5), {10, 20, 30, 40, 200, {}, 6.0f}));
}

TEST_F(SmearTest, EraserAndSpongeWorkWithTheirCentreOffTheCanvas) {
    fillAll({10, 20, 30, 200, 0, {}, 8.0f});
    s.size = 2;
    dab(Eraser, 9, 4);
    EXPECT_EQ(canvas.at(8, 4).red, 255);
    dab(Sponge, 4, -1);
    EXPECT_EQ(canvas.at(4, 0).paint, 150);
}

TEST_F(SmearTest, SpongeSoaksAQuarterOfGrainAndHeightAndNoColour) {
    fillAll({10, 20, 30, 200, 90, {}, 8.0f});
    dab(Sponge, 4, 4);
    EXPECT_TRUE(test::sameCell(canvas.at(4, 4), {10, 20, 30, 150, 90, {}, 6.0f}));
}

}  // namespace
}  // namespace dw
