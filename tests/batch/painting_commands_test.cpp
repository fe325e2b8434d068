#include <gtest/gtest.h>

#include <filesystem>

#include "core/painting_commands.h"
#include "tests/support/message_capture.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_dir.h"

namespace dw {
namespace {

using test::kCannotOpen;
using test::kLoadFailed;
using test::kSizeWarning;

class PaintingCommands : public ::testing::Test {
  protected:
    void SetUp() override { setUpFirstPainting(state); }
    AppState state;
    test::MessageCapture messages;
    test::TempDir dir;
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

TEST_F(PaintingCommands, RefusedOpenAddsTheGeneralMessageAndKeepsThePaintingAndItsHistory) {
    state.history.pushSnapshot(state.painting);
    state.painting.cellForWriting(0, 0).red = 9;
    EXPECT_FALSE(openPainting(state, dir.file("missing.pai")));
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{kCannotOpen, kLoadFailed}));
    // A document whose header is whole but whose body is missing is refused after opening.
    ASSERT_TRUE(savePainting(state, dir.file("cut.pai"), SaveFormat::Document));
    std::filesystem::resize_file(dir.file("cut.pai"), 200);
    state.history.setDocumentClean(false);
    EXPECT_FALSE(openPainting(state, dir.file("cut.pai")));
    EXPECT_EQ(messages.texts().back(), kLoadFailed);
    EXPECT_EQ(state.painting.at(0, 0).red, 9);
    EXPECT_FALSE(state.history.documentClean());
    ASSERT_TRUE(state.history.undoEnabled());
    state.history.undo(state.painting);
    EXPECT_EQ(state.painting.at(0, 0).red, 255);
}

TEST_F(PaintingCommands, SaveThenOpenLeavesACleanShadedDocumentWithNoHistory) {
    state.history.pushSnapshot(state.painting);
    ASSERT_TRUE(savePainting(state, dir.file("a.pai"), SaveFormat::Document));
    EXPECT_TRUE(state.history.documentClean());
    ASSERT_TRUE(newPainting(state, 2, 2));
    ASSERT_TRUE(openPainting(state, dir.file("a.pai")));
    EXPECT_EQ(state.painting.width(), 600u);
    EXPECT_TRUE(state.painting.shaded);
    EXPECT_FALSE(state.history.undoEnabled());
    EXPECT_TRUE(state.history.documentClean());
    EXPECT_FALSE(savePainting(state, dir.file("none/a.pai"), SaveFormat::Exact));
    EXPECT_EQ(messages.texts().back(), "File Save failed!");
}

}  // namespace
}  // namespace dw
