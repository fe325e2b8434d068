#include <gtest/gtest.h>

#include <vector>

#include "core/app_state.h"
#include "core/main_loop/loop_windows.h"
#include "core/main_loop/main_loop_pass.h"

namespace dw {
namespace {

struct RecordingWindows : LoopWindows {
    void invalidateCanvas(const IntRect& rect) override { invalidated.push_back(rect); }
    void moveCanvasWindow(const ScreenPoint&) override {}
    void colourPicked(AppState&) override { ++colourPicks; }
    void keyboard(AppState&, const LoopMessage&) override { ++keys; }

    std::vector<IntRect> invalidated;
    int colourPicks = 0;
    int keys = 0;
};

// A painting in its canvas window at (90, 10) and a one-cell black brush at half strength,
// which takes a white cell to 127, 63, 31, 15 in successive dabs.
class MainLoopTest : public ::testing::Test {
  protected:
    MainLoopTest() {
        state.history.setWriteChecking(true);
        newPainting(200, 150);
        state.brush = {0, 0, 0, 2, 10.0f, ToolId::PaintBrush, 1, 0.5f, 20, 0, 100, 0};
    }
    void TearDown() override { EXPECT_EQ(state.history.checkWrites(), ""); }
    void newPainting(uint32_t width, uint32_t height) {
        state.painting.create(width, height);
        state.painting.displayState = Canvas::kPaintingDisplayState;
        state.painting.lighting = true;
        state.painting.invalidateShading();
    }
    void send(MessageKind kind, int x = -1, int y = -1) {
        if (x >= 0) {
            pointer = {x, y};
        }
        LoopMessage message = messageTo(WindowId::Canvas, kind, pointer.x, pointer.y);
        message.screen = {90 + pointer.x, 10 + pointer.y};
        queue.post(message);
        passes(1);
    }
    void passes(int count) {
        for (int i = 0; i < count; ++i) {
            RunMainLoopPass(state, queue, windows);
        }
    }
    int red(uint32_t x, uint32_t y) { return state.painting.at(x, y).red; }

    AppState state;
    MessageQueue queue;
    RecordingWindows windows;
    ScreenPoint pointer;
};

TEST_F(MainLoopTest, ARestingPressKeepsPaintingButTakesOneSnapshot) {
    send(MessageKind::PointerMove, 50, 40);
    send(MessageKind::LeftButtonDown);
    passes(4);
    EXPECT_EQ(red(50, 40), 15);
    EXPECT_EQ(state.history.count(), 1u);
    state.history.undo(state.painting);
    EXPECT_EQ(red(50, 40), 255);
}

TEST_F(MainLoopTest, ZoomTurnsWindowPixelsIntoCellsAndScalesTheRedrawnArea) {
    state.zoomFactor = 2.0f;
    state.brush.size = 30;
    send(MessageKind::PointerMove, 100, 60);
    send(MessageKind::LeftButtonDown);
    send(MessageKind::LeftButtonUp);
    EXPECT_EQ(red(50, 30), 127);
    ASSERT_EQ(windows.invalidated.size(), 1u);
    EXPECT_EQ(windows.invalidated[0], (IntRect{40, 0, 160, 120}));
    state.brush.size = 1;
    newPainting(500, 300);
    state.zoomFactor = 0.25f;
    send(MessageKind::LeftButtonDown);
    send(MessageKind::LeftButtonUp);
    EXPECT_EQ(red(400, 240), 127);
}

TEST_F(MainLoopTest, OnlyPointerMessagesAreDeliveredAgain) {
    LoopMessage key;
    key.kind = MessageKind::KeyDown;
    key.code = 32;
    queue.post(key);
    passes(3);
    EXPECT_EQ(windows.keys, 1);
}

TEST_F(MainLoopTest, WaitingMovesMergeSoAStrokeKeepsItsLength) {
    send(MessageKind::PointerMove, 10, 10);
    send(MessageKind::LeftButtonDown);
    send(MessageKind::PointerMove, 20, 10);  // the stroke's first movement starts its length
    for (const int x : {40, 60, 80}) {
        LoopMessage move;
        move.kind = MessageKind::PointerMove;
        move.x = x;
        move.y = 10;
        queue.postMove(move);
    }
    passes(1);
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(state.drags.canvas.x, 80);
    EXPECT_FLOAT_EQ(state.painting.strokeLength, 6.0f);  // a tenth of the 60 pixels travelled
}

TEST_F(MainLoopTest, EyeDropperPicksTheShownColourNotTheStoredOne) {
    state.painting.cellForWriting(50, 40) = {100, 50, 20, 30, 0, {}, 0.0f};
    state.brush.tool = ToolId::EyeDropper;
    send(MessageKind::PointerMove, 50, 40);
    send(MessageKind::LeftButtonDown);
    passes(1);
    EXPECT_EQ(state.brush.red, 130);  // flat and matte: colour plus grain
    EXPECT_EQ(state.brush.green, 80);
    EXPECT_EQ(state.brush.blue, 50);
    EXPECT_EQ(windows.colourPicks, 1);
    EXPECT_EQ(state.history.count(), 0u);
}

TEST_F(MainLoopTest, IdsOfNoToolAndBadPatternNumbersPaintNothingAndReadNothingOutside) {
    for (uint32_t tool : {3u, 4u, 7u, 200u}) {
        state.brush.tool = ToolId(tool);
        state.brush.paintStyle = 250;
        state.brush.texture = 99;
        send(MessageKind::PointerMove, 50, 40);
        send(MessageKind::LeftButtonDown);
        passes(2);
        send(MessageKind::LeftButtonUp);
        EXPECT_EQ(red(50, 40), 255);
    }
}

}  // namespace
}  // namespace dw
