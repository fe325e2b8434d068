#include <QMessageBox>
#include <QTest>
#include <fstream>

#include "commands/command_ids.h"
#include "core/painting_commands.h"
#include "platform/qt/qt_message_boxes.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/message_texts.h"

namespace dw::test {
namespace {

using platform::MessageAnswer;

class UnsavedChanges : public GuiTest {
  protected:
    void makeChange() {
        command(1305);  // Colors > Invert
        ASSERT_FALSE(state.history.documentClean());
        boxes.clear();
    }
    void drop(MessageKind kind, const std::string& path) {
        LoopMessage message = messageTo(WindowId::Frame, kind);
        message.text = path;
        queue.post(message);
        passes(3);
    }
    std::string savedPainting(uint32_t width, uint32_t height) {
        AppState other;
        setUpFirstPainting(other);
        other.painting.create(width, height);
        const std::string path = file("other.pai");
        EXPECT_TRUE(savePainting(other, path, SaveFormat::Document));
        return path;
    }
};

TEST_F(UnsavedChanges, ClosingAsksYesOrNoAndNoLeavesWithoutSaving) {
    makeChange();
    boxes.queueAnswer(MessageAnswer::No);
    post(MessageKind::Close, WindowId::Frame);
    passes();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, kSaveQuestion);
    EXPECT_EQ(boxes.shown()[0].caption, "Save Changes?");
    EXPECT_EQ(boxes.shown()[0].buttons, platform::MessageButtons::YesNo);
    EXPECT_TRUE(dialogs.asked().empty());
    EXPECT_TRUE(state.quitRequested);
}

TEST_F(UnsavedChanges, ADismissedQuestionOrAYesWhoseSaveIsCancelledOrFailsKeepsTheProgramOpen) {
    makeChange();
    boxes.queueAnswer(MessageAnswer::Cancel);  // Escape or the question's close box
    post(MessageKind::Close, WindowId::Frame);
    passes();
    EXPECT_FALSE(state.quitRequested);
    EXPECT_TRUE(dialogs.asked().empty());
    boxes.queueAnswer(MessageAnswer::Yes);  // then the save dialog is cancelled
    post(MessageKind::Close, WindowId::Frame);
    passes();
    EXPECT_FALSE(state.quitRequested);
    boxes.queueAnswer(MessageAnswer::Yes);
    dialogs.queueAnswer(file("no such folder/a.pai"));
    post(MessageKind::Close, WindowId::Frame);
    passes();
    EXPECT_FALSE(state.quitRequested);
    EXPECT_EQ(boxes.shown().back().text, "File Save failed!");
    EXPECT_EQ(state.painting.at(0, 0).red, 0);
    boxes.queueAnswer(MessageAnswer::Yes);
    dialogs.queueAnswer(file("kept.pai"));
    post(MessageKind::Close, WindowId::Frame);
    passes();
    EXPECT_TRUE(state.quitRequested);
    EXPECT_TRUE(std::filesystem::exists(file("kept.pai")));
}

TEST_F(UnsavedChanges, CancelOrAYesWithoutASaveStopsOpenAndImport) {
    makeChange();
    boxes.queueAnswer(MessageAnswer::Cancel);
    command(command::kOpen);
    EXPECT_TRUE(dialogs.asked().empty());
    boxes.queueAnswer(MessageAnswer::Yes);  // the save dialog is cancelled: no Open dialog
    command(command::kOpen);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].kind, platform::FileDialogKind::Save);
    boxes.queueAnswer(MessageAnswer::Cancel);
    command(command::kImportImage);
    EXPECT_EQ(dialogs.asked().size(), 1u);
    boxes.queueAnswer(MessageAnswer::No);
    command(command::kImportImage);
    EXPECT_EQ(dialogs.asked().size(), 2u);
}

TEST_F(UnsavedChanges, DroppedAndHandedOverFilesAskFirstAndArriveOnce) {
    const std::string other = savedPainting(40, 30);
    makeChange();
    boxes.queueAnswer(MessageAnswer::Cancel);
    drop(MessageKind::DropFile, other);
    EXPECT_EQ(state.painting.width(), 600u);
    EXPECT_EQ(boxes.shown().size(), 1u);  // passes without a new message repeat nothing
    boxes.queueAnswer(MessageAnswer::No);
    drop(MessageKind::HandOff, other);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(state.painting.width(), 40u);
    EXPECT_EQ(gui->canvas().size(), QSize(40, 30));
    EXPECT_TRUE(state.history.documentClean());
    EXPECT_FALSE(state.history.undoEnabled());
}

TEST_F(UnsavedChanges, ARefusedFileKeepsThePaintingAndItsUndoHistory) {
    makeChange();
    std::ofstream(file("corrupt.pai")) << "not a painting at all, not even close to one";
    std::ofstream later(file("later.pai"), std::ios::binary);
    const int32_t header[20] = {24279, 4, 10, 10};
    later.write(reinterpret_cast<const char*>(header), sizeof header);
    later.close();
    boxes.queueAnswer(MessageAnswer::No);
    drop(MessageKind::DropFile, file("corrupt.pai"));
    boxes.queueAnswer(MessageAnswer::No);
    dialogs.queueAnswer(file("later.pai"));
    command(command::kOpen);
    EXPECT_EQ(boxes.shown().back().text, kLoadFailed);
    EXPECT_EQ(state.painting.at(0, 0).red, 0);  // still the inverted painting
    EXPECT_TRUE(state.history.undoEnabled());
    command(command::kUndo);
    EXPECT_EQ(state.painting.at(0, 0).red, 255);
}

// Qt itself would take Escape and the close box for the No of a Yes/No question.
TEST_F(UnsavedChanges, EscapeOrTheCloseBoxAnswerNoQuestion) {
    platform::QtMessageBoxes real;
    int shown = 0;
    whileShown<QMessageBox>([&](QMessageBox& box) {
        EXPECT_TRUE(box.windowFlags() & Qt::CustomizeWindowHint);
        EXPECT_FALSE(box.windowFlags() & Qt::WindowMinMaxButtonsHint);
        if (shown++ % 2 == 0) {
            QTest::keyClick(&box, Qt::Key_Escape);
        } else {
            box.close();
        }
        return false;
    });
    for (const auto buttons :
         {platform::MessageButtons::YesNo, platform::MessageButtons::YesNoCancel}) {
        for (int way = 0; way < 2; ++way) {
            EXPECT_EQ(real.show({kSaveQuestion, "Save Changes?", platform::MessageIcon::Warning,
                                 buttons, platform::MessageOwner::None}),
                      MessageAnswer::Cancel);
        }
    }
    EXPECT_EQ(real.show({"File Save failed!", "Error"}), MessageAnswer::Ok);
    EXPECT_EQ(shown, 5);
}

TEST_F(UnsavedChanges, AMessageBoxInsideAPassRunsNoPassOfItsOwn) {
    platform::QtMessageBoxes real;
    platform::installMessageBoxes(&real);
    std::ofstream(file("corrupt.pai")) << "not a painting at all, not even close to one";
    bool pressHandledDuringTheBox = true;
    whenShown<QMessageBox>([&](QMessageBox& box) {
        post(MessageKind::LeftButtonDown, WindowId::Canvas, 10, 10);
        QCoreApplication::processEvents();
        pressHandledDuringTheBox = state.buttonHeld;
        box.close();
    });
    drop(MessageKind::DropFile, file("corrupt.pai"));
    platform::installMessageBoxes(&boxes);
    EXPECT_FALSE(pressHandledDuringTheBox);
    EXPECT_TRUE(state.buttonHeld);  // the next pass took it, once
    EXPECT_EQ(state.painting.width(), 600u);
}

}  // namespace
}  // namespace dw::test
