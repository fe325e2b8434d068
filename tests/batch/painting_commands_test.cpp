#include <gtest/gtest.h>

#include "core/painting_commands.h"
#include "tests/support/message_capture.h"
#include "tests/support/message_texts.h"

namespace dw {
namespace {

using test::kSizeWarning;

class PaintingCommands : public ::testing::Test {
  protected:
    void SetUp() override { setUpFirstPainting(state); }
    AppState state;
    test::MessageCapture messages;
};

TEST_F(PaintingCommands, NewRefusesSizesOutsideTheLimitAndKeepsThePainting) {
    // The first painting is lit and clean; a refused size keeps it.
    EXPECT_TRUE(state.painting.isPainting());
    EXPECT_TRUE(state.painting.lighting);
    EXPECT_TRUE(state.history.documentClean());
    EXPECT_FALSE(newPainting(state, 5001, 10));
    EXPECT_FALSE(newPainting(state, 0, 10));
    EXPECT_EQ(state.painting.width(), 600u);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, kSizeWarning);
    EXPECT_EQ(messages.shown()[0].caption, "Warning");
    state.canvasWindowPos = {-400, 7};  // dragged away with the Hand Tool
    EXPECT_TRUE(newPainting(state, 30, 20));
    EXPECT_EQ(state.painting.height(), 20u);
    EXPECT_EQ(state.canvasWindowPos, kCanvasWindowHome);
    EXPECT_EQ(state.zoomFactor, 1.0f);
}

TEST_F(PaintingCommands, ImageSizeIsUndoable) {
    state.painting.cellForWriting(5, 5).red = 3;
    ASSERT_TRUE(resizePainting(state, 300, 200));
    EXPECT_TRUE(state.painting.shaded);
    EXPECT_FALSE(resizePainting(state, 300, 5001));
    EXPECT_EQ(state.painting.width(), 300u);
    const RestoreResult back = state.history.undo(state.painting);
    EXPECT_TRUE(back.sizeChanged);
    EXPECT_EQ(state.painting.width(), 600u);
    EXPECT_EQ(state.painting.at(5, 5).red, 3);
}

}  // namespace
}  // namespace dw
