#include <gtest/gtest.h>

#include "canvas/undo_history.h"
#include "tests/support/message_capture.h"

namespace dw {
namespace {

// Each state of the painting is told apart by the red byte of cell (0, 0).
class UndoHistoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        painting.create(4, 3);
        mark(0);
    }
    void mark(uint8_t value) { painting.cellForWriting(0, 0).red = value; }
    uint8_t shown() const { return painting.at(0, 0).red; }
    // An operation: snapshot, then change.
    void stroke(uint8_t value) {
        history.pushSnapshot(painting);
        mark(value);
    }

    Canvas painting;
    UndoHistory history;
};

TEST_F(UndoHistoryTest, StartsGreyedAndClean) {
    EXPECT_FALSE(history.undoEnabled());
    EXPECT_FALSE(history.redoEnabled());
    EXPECT_TRUE(history.documentClean());
}

TEST_F(UndoHistoryTest, WalksBackAndForthThroughTheExampleRun) {
    mark(1);
    stroke(2);  // P1 holds 1
    stroke(3);  // P2 holds 2
    stroke(4);  // P3 holds 3, live painting 4
    history.undo(painting);
    EXPECT_EQ(shown(), 3);
    EXPECT_EQ(history.count(), 4u);
    EXPECT_EQ(history.position(), 2u);
    history.undo(painting);
    EXPECT_EQ(shown(), 2);
    history.redo(painting);
    EXPECT_EQ(shown(), 3);
    history.redo(painting);
    EXPECT_EQ(shown(), 4);
    EXPECT_FALSE(history.redoEnabled());
    EXPECT_TRUE(history.undoEnabled());
    // A new stroke while an older state is shown drops the newer ones and the shown one.
    history.undo(painting);
    history.undo(painting);
    EXPECT_EQ(shown(), 2);
    stroke(9);
    EXPECT_EQ(history.count(), 2u);
    EXPECT_EQ(history.position(), 0u);
    EXPECT_FALSE(history.redoEnabled());
    history.undo(painting);
    EXPECT_EQ(shown(), 2);
    history.undo(painting);
    EXPECT_EQ(shown(), 1);
    EXPECT_FALSE(history.undoEnabled());
}

TEST_F(UndoHistoryTest, ARevertibleSnapshotTakenBackLeavesEverythingAsItWas) {
    for (uint8_t value = 1; value <= 6; ++value) {
        stroke(value);  // a full list: the next snapshot pushes the oldest out
    }
    history.pushRevertibleSnapshot(painting);
    mark(99);
    history.takeBackSnapshot(painting);
    EXPECT_EQ(shown(), 6);
    EXPECT_FALSE(painting.shaded);
    EXPECT_EQ(history.count(), 6u);

    history.undo(painting);
    history.undo(painting);  // two states to redo
    history.setDocumentClean(true);
    history.pushRevertibleSnapshot(painting);
    mark(99);
    history.takeBackSnapshot(painting);
    EXPECT_EQ(shown(), 4);
    EXPECT_TRUE(history.documentClean());
    history.redo(painting);
    history.redo(painting);
    EXPECT_EQ(shown(), 6);

    history.pushRevertibleSnapshot(painting);
    mark(42);
    history.keepSnapshot();
    EXPECT_FALSE(history.redoEnabled());
    history.undo(painting);
    EXPECT_EQ(shown(), 6);
}

TEST_F(UndoHistoryTest, OneEntryGivesOneUndo) {
    stroke(5);
    history.undo(painting);
    EXPECT_EQ(shown(), 0);
    EXPECT_EQ(history.count(), 2u);
    EXPECT_FALSE(history.undoEnabled());
    EXPECT_TRUE(history.redoEnabled());
}

TEST_F(UndoHistoryTest, SixEntriesAtMostAndFiveUndosReachTheOldest) {
    for (uint8_t v = 1; v <= 8; ++v) {
        stroke(v);  // snapshots hold 0..7; only 2..7 survive
    }
    EXPECT_EQ(history.count(), 6u);
    history.undo(painting);  // drops the oldest (2) to store the present (8)
    EXPECT_EQ(history.count(), 6u);
    EXPECT_EQ(shown(), 7);
    for (int i = 0; i < 4; ++i) {
        history.undo(painting);
    }
    EXPECT_EQ(shown(), 3);
    EXPECT_FALSE(history.undoEnabled());
    history.undo(painting);  // greyed: nothing happens
    EXPECT_EQ(shown(), 3);
}

TEST_F(UndoHistoryTest, UndoAcrossASizeChangeRestoresTheOldSize) {
    history.pushSnapshot(painting);
    painting.resample(8, 8);
    RestoreResult result = history.undo(painting);
    EXPECT_TRUE(result.sizeChanged);
    EXPECT_EQ(painting.width(), 4u);
    EXPECT_EQ(painting.height(), 3u);
    EXPECT_TRUE(painting.shaded);
    result = history.redo(painting);
    EXPECT_TRUE(result.sizeChanged);
    EXPECT_EQ(painting.width(), 8u);
}

TEST_F(UndoHistoryTest, EveryChangeMakesTheDocumentDirty) {
    stroke(1);
    EXPECT_FALSE(history.documentClean());
    history.setDocumentClean(true);
    history.undo(painting);
    EXPECT_FALSE(history.documentClean());
    history.setDocumentClean(true);
    history.redo(painting);
    EXPECT_FALSE(history.documentClean());
}

TEST_F(UndoHistoryTest, ClearingForgetsEverything) {
    stroke(1);
    stroke(2);
    history.undo(painting);
    history.clearHistory();
    EXPECT_EQ(history.count(), 0u);
    EXPECT_FALSE(history.undoEnabled());
    EXPECT_FALSE(history.redoEnabled());
    history.undo(painting);
    EXPECT_EQ(shown(), 1);
}

TEST_F(UndoHistoryTest, MissingEntryIsReportedAndChangesNothing) {
    test::MessageCapture messages;
    mark(7);
    RestoreResult result = history.restoreEntry(painting);
    EXPECT_FALSE(result.restored);
    EXPECT_EQ(shown(), 7);
    EXPECT_EQ(painting.width(), 4u);
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0], "NULL!");
}

}  // namespace
}  // namespace dw
