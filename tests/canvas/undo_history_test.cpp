#include <gtest/gtest.h>

#include <vector>

#include "canvas/undo_history.h"
#include "tests/support/message_capture.h"

namespace dw {
namespace {

TEST(UndoHistoryTest, MissingEntryIsReportedAndChangesNothing) {
    test::MessageCapture messages;
    Canvas painting;
    painting.create(4, 3);
    painting.cellForWriting(0, 0).red = 7;
    UndoHistory history;
    EXPECT_FALSE(history.restoreEntry(painting).restored);
    EXPECT_EQ(painting.at(0, 0).red, 7);
    EXPECT_EQ(painting.width(), 4u);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"NULL!"});
}

// A 1000 x 1000 painting with a relief, lit and fully shaded, as the main loop leaves it.
class LargeUndoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        painting.create(1000, 1000);
        painting.lighting = true;
        CanvasCell* cells = painting.cellsForWriting();
        for (std::size_t i = 0; i < painting.cellCount(); ++i) {
            cells[i].height = float(i % 7) + float(i / 1000 % 5);
            cells[i].paint = uint8_t(i * 13);
        }
        painting.shadeAll();
        history.setWriteChecking(true);
    }
    // A square of changed cells, shaded at once as a dab shades its own square.
    void dab(uint32_t x0, uint32_t y0, uint32_t side) {
        CanvasCell* cells = painting.cellsForWriting({x0, y0, x0 + side, y0 + side});
        for (uint32_t y = y0; y < y0 + side; ++y) {
            for (uint32_t x = x0; x < x0 + side; ++x) {
                cells[y * 1000 + x].height += 5.0f;
                cells[y * 1000 + x].paint += 40;
            }
        }
        painting.shadeRect(int(x0), int(y0), int(x0 + side), int(y0 + side));
    }
    std::vector<uint8_t> pixels() const {
        const Surface& s = painting.surface();
        std::vector<uint8_t> result;
        for (uint32_t y = 0; y < s.height(); ++y) {
            result.insert(result.end(), s.row(y), s.row(y) + s.width() * 3);
        }
        return result;
    }

    Canvas painting;
    UndoHistory history;
};

TEST_F(LargeUndoTest, AStrokeKeepsOnlyTheTilesItTouchedAndUndoShadesAsAFullShadeWould) {
    const std::vector<uint8_t> before = pixels();
    history.pushSnapshot(painting);
    dab(500, 500, 10);  // inside one tile
    dab(635, 10, 10);   // across two tiles
    dab(5, 300, 8);     // read by the last columns, whose paint lookups wrap past the edge
    // Read by the first columns and rows, whose lookups below 0 wrap as 2^32 + v: 296 - 19..
    dab(280, 600, 12);
    dab(720, 283, 8);
    const std::size_t tile = 64 * 64 * sizeof(CanvasCell);
    EXPECT_GE(history.bytesHeld(), 6 * tile);
    EXPECT_LT(history.bytesHeld(), 7 * tile);
    painting.shadeAll();  // as the main loop does after the lighting was switched
    const std::vector<uint8_t> painted = pixels();
    history.undo(painting);
    EXPECT_TRUE(pixels() == before);
    history.redo(painting);
    EXPECT_TRUE(pixels() == painted);
    EXPECT_EQ(history.checkWrites(), "");

    // A filter keeps everything, as Redo back to it needs the whole painting.
    history.pushSnapshot(painting);
    painting.clearToWhite();
    EXPECT_GE(history.bytesHeld(), painting.cellCount() * sizeof(CanvasCell));
}

TEST_F(LargeUndoTest, AWriteBehindTheHistorysBackIsCaught) {
    history.pushSnapshot(painting);
    dab(10, 10, 4);
    EXPECT_EQ(history.checkWrites(), "");
    // Inside the area declared, and outside it.
    painting.cellsForWriting({0, 0, 4, 4})[5 * 1000 + 900].red = 1;
    EXPECT_EQ(history.checkWrites(),
              "cells of the tile at (896, 0) changed without being saved first");
}

}  // namespace
}  // namespace dw
