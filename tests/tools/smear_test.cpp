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

TEST_F(SmearTest, FingerOrderClampingAndTextureEachDecideACell) {
    // Size 6: (2, 7) takes (0, 8) first; (3, 6) then reads (2, 7), an earlier column but a
    // later row. Size 5: trunc(-2.7 + 1) = -1 reads row 0, trunc(2.7 + 7) = 9 reads row 8.
    // Size 2 with texture 0 at column 5: (3, 4) takes column 2, (5, 4) has no strength.
    const struct {
        int size, texture;
        uint32_t x, y;
        int red, green;  // -1: not decided by this rule
    } cases[] = {{6, 0, 2, 7, -1, 160}, {6, 0, 3, 6, 0, 160}, {5, 0, 4, 1, -1, 0},
                 {5, 0, 4, 7, -1, 160}, {2, 1, 3, 4, 40, -1}, {2, 1, 5, 4, 100, -1}};
    setPattern(patterns->textures, 1,
               [](uint32_t x, uint32_t) { return uint8_t(x == 5 ? 0 : 255); });
    for (const auto& c : cases) {
        stripes();
        s.size = c.size;
        s.texture = uint8_t(c.texture);
        dab(Finger, 4, 4);
        const CanvasCell& cell = canvas.at(c.x, c.y);
        EXPECT_TRUE((c.red < 0 || cell.red == c.red) && (c.green < 0 || cell.green == c.green))
            << c.size << ":" << c.x << "," << c.y;
    }
}

TEST_F(SmearTest, EraserWhitensAndSpongeSoaksAQuarterEvenWithTheirCentreOffTheCanvas) {
    const CanvasCell paint{10, 20, 30, 200, 200, {}, 8.0f};
    s.size = 2;
    const struct {
        void (*effect)(Canvas&, int, int, BrushSettings, const DabContext&);
        int x, y;
        uint32_t checkX, checkY;
        CanvasCell expected;
    } cases[] = {{Eraser, 4, 4, 4, 5, {255, 255, 255, 0, 100, {}, 0.0f}},
                 {Eraser, 4, 4, 5, 5, paint},
                 {Eraser, 9, 4, 8, 4, {255, 255, 255, 0, 100, {}, 0.0f}},
                 {Sponge, 4, 4, 4, 4, {10, 20, 30, 150, 200, {}, 6.0f}},
                 {Sponge, 4, -1, 4, 0, {10, 20, 30, 150, 200, {}, 6.0f}}};
    for (const auto& c : cases) {
        fillAll(paint);
        dab(c.effect, c.x, c.y);
        EXPECT_TRUE(test::sameCell(canvas.at(c.checkX, c.checkY), c.expected)) << c.x << "," << c.y;
    }
}

}  // namespace
}  // namespace dw
