#include "tests/tools/tool_fixture.h"
#include "tools/adjust_tools.h"

namespace dw {
namespace {

using Effect = void (*)(Canvas&, int, int, BrushSettings, const DabContext&);

class AdjustTest : public test::ToolTest {
  protected:
    CanvasCell& centre() { return canvas.cellForWriting(4, 4); }
};

// Brighten aims at twice the value between 10 and full, Darken at half; blank paper (height 0)
// stays flat under Raise and Lower.
TEST_F(AdjustTest, EachEffectMovesOnlyItsOwnChannelsTowardItsAim) {
    const struct {
        Effect effect;
        CanvasCell before;
        float amount;
        CanvasCell after;
    } cases[] = {
        {Brighten, {0, 3, 200, 7, 8, {}, 1.0f}, 1.0f, {10, 10, 255, 7, 8, {}, 1.0f}},
        {Darken, {255, 1, 0, 0, 0, {}, 0.0f}, 1.0f, {127, 0, 0, 0, 0, {}, 0.0f}},
        {Darken, {100, 100, 100, 3, 9, {}, 2.0f}, 0.5f, {75, 75, 75, 3, 9, {}, 2.0f}},
        {Gloss, {5, 6, 7, 8, 0, {}, 1.0f}, 0.5f, {5, 6, 7, 8, 127, {}, 1.0f}},
        {Matte, {5, 6, 7, 8, 255, {}, 1.0f}, 0.5f, {5, 6, 7, 8, 127, {}, 1.0f}},
        {Raise, kWhiteCell, 1.0f, kWhiteCell},
        {Lower, kWhiteCell, 1.0f, kWhiteCell},
        {Lower, {0, 0, 0, 0, 0, {}, 0.5f}, 1.0f, {0, 0, 0, 0, 0, {}, -0.5f}},
        {Raise, {0, 0, 0, 0, 0, {}, -0.5f}, 0.25f, {0, 0, 0, 0, 0, {}, -0.25f}},
    };
    for (const auto& c : cases) {
        centre() = c.before;
        s.amount = c.amount;
        dab(c.effect, 4, 4);
        EXPECT_TRUE(test::sameCell(centre(), c.after)) << &c - cases;
    }
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
