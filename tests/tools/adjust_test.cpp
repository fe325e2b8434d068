#include "tests/tools/tool_fixture.h"
#include "tools/adjust_tools.h"

namespace dw {
namespace {

class AdjustTest : public test::ToolTest {
  protected:
    CanvasCell& centre() { return canvas.cellForWriting(4, 4); }
    CanvasCell apply(void (*effect)(Canvas&, int, int, BrushSettings, const DabContext&),
                     CanvasCell cell, float amount) {
        centre() = cell;
        s.amount = amount;
        dab(effect, 4, 4);
        return centre();
    }
};

TEST_F(AdjustTest, BrightenAimsAtTwiceTheValueBetweenTenAndFull) {
    EXPECT_TRUE(test::sameCell(apply(Brighten, {0, 3, 200, 7, 8, {}, 1.0f}, 1.0f),
                               {10, 10, 255, 7, 8, {}, 1.0f}));
}

TEST_F(AdjustTest, DarkenAimsAtHalfTheValue) {
    EXPECT_TRUE(test::sameCell(apply(Darken, {255, 1, 0, 0, 0, {}, 0.0f}, 1.0f),
                               {127, 0, 0, 0, 0, {}, 0.0f}));
    EXPECT_EQ(apply(Darken, {100, 100, 100, 0, 0, {}, 0.0f}, 0.5f).red, 75);
}

TEST_F(AdjustTest, GlossAndMatteMoveTheGlossByte) {
    EXPECT_EQ(apply(Gloss, {0, 0, 0, 0, 0, {}, 0.0f}, 0.5f).gloss, 127);
    EXPECT_EQ(apply(Matte, {0, 0, 0, 0, 255, {}, 0.0f}, 0.5f).gloss, 127);
}

TEST_F(AdjustTest, RaiseAndLowerLeaveBlankPaperFlat) {
    EXPECT_EQ(apply(Raise, kWhiteCell, 1.0f).height, 0.0f);
    EXPECT_EQ(apply(Lower, kWhiteCell, 1.0f).height, 0.0f);
    EXPECT_EQ(apply(Lower, {0, 0, 0, 0, 0, {}, 0.5f}, 1.0f).height, -0.5f);
    s.amount = 0.25f;
    dab(Raise, 4, 4);
    EXPECT_EQ(centre().height, -0.25f);
}

TEST_F(AdjustTest, NothingChangesOffTheCanvasOrAtRest) {
    const CanvasCell painted = {100, 100, 100, 0, 100, {}, 2.0f};
    fillAll(painted);
    s.size = 3;
    for (auto effect : {Brighten, Darken, Gloss, Matte, Raise, Lower}) {
        s.amount = 1.0f;
        dab(effect, -1, 4);
        s.amount = 0.0f;
        dab(effect, 4, 4);
    }
    EXPECT_TRUE(test::sameCell(canvas.at(0, 4), painted));
    EXPECT_TRUE(test::sameCell(centre(), painted));
}

}  // namespace
}  // namespace dw
