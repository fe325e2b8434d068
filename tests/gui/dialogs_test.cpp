#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <fstream>

#include "commands/command_ids.h"
#include "platform/dialog_paths.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "tests/gui/gui_fixture.h"
#include "tests/support/message_texts.h"

namespace dw::test {
namespace {

using platform::MessageAnswer;

class Dialogs : public GuiTest {
  protected:
    void drop(const std::string& path) {
        LoopMessage message = messageTo(WindowId::Frame, MessageKind::DropFile);
        message.text = path;
        queue.post(message);
        passes(3);
    }
};

// Qt itself would take Escape and the close box for the No of a Yes/No question.
TEST_F(Dialogs, EscapeOrTheCloseBoxAnswerNoQuestion) {
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

TEST_F(Dialogs, AMessageBoxInsideAPassRunsNoPassOfItsOwn) {
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
    drop(file("corrupt.pai"));
    platform::installMessageBoxes(&boxes);
    EXPECT_FALSE(pressHandledDuringTheBox);
    EXPECT_TRUE(state.buttonHeld);  // the next pass took it, once
    EXPECT_EQ(state.painting.width(), 600u);
}

// The real dialog completes a typed name before it checks for a file to replace.
TEST_F(Dialogs, TheExportDialogCompletesTheTypedName) {
    platform::rememberDialogPath(platform::DialogPlace::Export, file("earlier.bmp"));
    platform::QtFileDialogs real;
    QString title;
    whenShown<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        QLineEdit* name = dialog.findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("picture.v2");
        QTest::keyClick(name, Qt::Key_Return);
    });
    platform::installFileDialogs(&real);
    command(command::kExportImage);
    platform::installFileDialogs(&dialogs);
    EXPECT_EQ(title, "Export Image");
    EXPECT_TRUE(std::filesystem::exists(file("picture.v2.bmp")));
}

}  // namespace
}  // namespace dw::test
