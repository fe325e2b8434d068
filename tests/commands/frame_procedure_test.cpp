#include "commands/frame_procedure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "canvas/surface.h"
#include "commands/command_ids.h"
#include "commands/file_flows.h"
#include "core/painting_commands.h"
#include "files/bitmap_export.h"
#include "files/image_file.h"
#include "panels/panel_registry.h"
#include "platform/dialog_paths.h"
#include "platform/headless/headless_dialogs.h"
#include "tests/commands/recording_shell.h"
#include "tests/support/message_capture.h"
#include "tests/support/message_texts.h"
#include "tests/support/temp_dir.h"

namespace dw::test {
namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;
using Texts = std::vector<std::string>;

constexpr int kInvertColours = 1305;  // Filters > Colors > Invert

// The frame's procedure on a 600 x 600 painting, in a program folder of the test's own.
// Message boxes and file dialogs answer from queues the test fills.
class FrameProcedureTest : public ::testing::Test {
  protected:
    FrameProcedureTest() {
        previous_ = fs::current_path();
        fs::current_path(dir.path());
        platform::installFileDialogs(&dialogs);
        platform::forgetDialogPaths();
        setUpFirstPainting(state);
    }
    ~FrameProcedureTest() override {
        platform::installFileDialogs(nullptr);
        fs::current_path(previous_);
    }

    void deliver(MessageKind kind, const std::string& text = {}, uint32_t code = 0) {
        LoopMessage message = messageTo(WindowId::Frame, kind);
        message.text = text;
        message.code = code;
        procedure.handle(state, message);
    }
    void command(int commandId) { deliver(MessageKind::Command, {}, uint32_t(commandId)); }
    void answer(MessageAnswer answer) { messages.boxes().queueAnswer(answer); }
    // Colors > Invert: a change that is not saved, with an undo entry.
    void makeChange() {
        command(kInvertColours);
        ASSERT_FALSE(state.history.documentClean());
        messages.boxes().clear();
        shell.calls.clear();
    }
    std::string document(const std::string& name, uint32_t width, uint32_t height) {
        AppState other;
        setUpFirstPainting(other);
        other.painting.create(width, height);
        EXPECT_TRUE(savePainting(other, dir.file(name), SaveFormat::Document));
        return dir.file(name);
    }
    std::string picture(const std::string& name, uint32_t width, uint32_t height) {
        Surface picture;
        picture.create(width, height);
        picture.fillWhite();
        picture.setPixel(1, 0, 200, 10, 10);
        EXPECT_TRUE(WriteBitmapFile(picture, dir.file(name)));
        return dir.file(name);
    }
    const platform::FileDialogRequest& lastAsked() const { return dialogs.asked().back(); }

    TempDir dir;
    MessageCapture messages;
    platform::HeadlessFileDialogs dialogs;
    AppState state;
    RecordingShell shell;
    FrameProcedure procedure{shell};

  private:
    fs::path previous_;
};

TEST_F(FrameProcedureTest, MenuCommandsChangeThePaintingAndAskTheWindowsToFollow) {
    command(command::kZoomFirst + 3);  // 200%
    EXPECT_EQ(state.zoomFactor, 2.0f);
    command(command::kLighting);
    EXPECT_FALSE(state.painting.lighting);
    EXPECT_FALSE(shell.menuChecked(command::kLighting));
    const int coloursPanel = windowMenuCommand(WindowId::Colours);
    shell.marks[coloursPanel] = true;
    command(coloursPanel);
    command(coloursPanel);
    EXPECT_TRUE(shell.menuChecked(coloursPanel));

    shell.newImageAnswer = {5001, 10};
    command(command::kNew);
    shell.newImageAnswer = {};  // cancelled
    command(command::kNew);
    EXPECT_EQ(state.painting.width(), 600u);
    shell.newImageAnswer = {300, 200};
    command(command::kImageSize);
    EXPECT_EQ(state.painting.width(), 300u);
    EXPECT_TRUE(state.colourChanged);
    EXPECT_TRUE(state.history.undoEnabled());
    command(command::kExit);
    ASSERT_EQ(shell.posted.size(), 1u);
    EXPECT_EQ(shell.posted[0].kind, MessageKind::Close);  // the close box's steps decide

    const std::string colours = std::to_string(int(WindowId::Colours));
    EXPECT_EQ(shell.calls,
              (Texts{"canvas window 600x600", "hide panel " + colours, "show panel " + colours,
                     "New Image proposing 600x600", "New Image proposing 600x600",
                     "Image Size proposing 600x600", "canvas window 300x200"}));
    EXPECT_EQ(messages.texts(), (Texts{kSizeWarning}));
}

TEST_F(FrameProcedureTest, HelpGetsTheFrameOutOfTheWayOnlyWhenTheManualOpened) {
    command(command::kHelp);  // no manual beside the program
    fs::create_directory("manual");
    std::ofstream("manual/index.html") << "<html></html>";
    shell.showsDocuments = false;
    command(command::kHelp);
    ASSERT_EQ(messages.texts().size(), 2u);
    EXPECT_NE(messages.texts()[0].find("could not be found"), std::string::npos);
    EXPECT_NE(messages.texts()[1].find("could not be opened"), std::string::npos);
    const std::string manual = (fs::current_path() / "manual/index.html").string();
    EXPECT_NE(messages.texts()[1].find(manual), std::string::npos);
    shell.showsDocuments = true;
    command(command::kHelp);
    EXPECT_EQ(messages.texts().size(), 2u);
    EXPECT_EQ(shell.calls, (Texts{"show " + manual, "show " + manual, "minimise"}));
}

TEST_F(FrameProcedureTest, TheCloseBoxAsksOnlyForUnsavedChangesAndOnlyNoOrASaveLeaves) {
    deliver(MessageKind::Close);
    EXPECT_EQ(shell.calls, (Texts{"destroy"}));
    EXPECT_TRUE(messages.shown().empty());

    makeChange();
    answer(MessageAnswer::Cancel);  // Escape or the question's close box
    deliver(MessageKind::Close);
    EXPECT_TRUE(dialogs.asked().empty());
    answer(MessageAnswer::Yes);  // then the save dialog is cancelled
    deliver(MessageKind::Close);
    answer(MessageAnswer::Yes);
    dialogs.queueAnswer(dir.file("no such folder/a.pai"));
    deliver(MessageKind::Close);
    EXPECT_EQ(messages.texts().back(), "File Save failed!");
    EXPECT_TRUE(shell.calls.empty());
    answer(MessageAnswer::Yes);
    dialogs.queueAnswer(dir.file("kept.pai"));
    deliver(MessageKind::Close);
    EXPECT_EQ(shell.calls, (Texts{"destroy"}));
    EXPECT_TRUE(fs::exists(dir.file("kept.pai")));

    makeChange();
    answer(MessageAnswer::No);
    deliver(MessageKind::Close);
    EXPECT_EQ(shell.calls, (Texts{"destroy"}));
    EXPECT_EQ(dialogs.asked().size(), 3u);  // none for the No
    const platform::Message& question = messages.shown().front();
    EXPECT_EQ(question.text, kSaveQuestion);
    EXPECT_EQ(question.caption, "Save Changes?");
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
}

TEST_F(FrameProcedureTest, DroppedAndHandedOverDocumentsAskFirstAndReplaceThePainting) {
    const std::string other = document("other.pai", 40, 30);
    makeChange();
    answer(MessageAnswer::Cancel);
    deliver(MessageKind::DropFile, other);
    EXPECT_EQ(state.painting.width(), 600u);
    EXPECT_TRUE(shell.calls.empty());
    answer(MessageAnswer::No);
    deliver(MessageKind::HandOff, other);
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[1].buttons, platform::MessageButtons::YesNoCancel);
    EXPECT_EQ(state.painting.width(), 40u);
    EXPECT_TRUE(state.painting.shaded);
    EXPECT_TRUE(state.history.documentClean());
    EXPECT_FALSE(state.history.undoEnabled());
    deliver(MessageKind::HandOff, "");  // the second start's file was missing
    EXPECT_EQ(shell.calls, (Texts{"to front", "canvas window 40x30", "to front"}));

    // A document refused after the question keeps the painting and its undo history.
    makeChange();
    const std::string cut = document("cut.pai", 10, 10);
    fs::resize_file(cut, 100);
    answer(MessageAnswer::No);
    deliver(MessageKind::DropFile, cut);
    answer(MessageAnswer::No);
    dialogs.queueAnswer(cut);
    command(command::kOpen);
    EXPECT_EQ(messages.texts(),
              (Texts{kSaveQuestion, kNotADocument, kSaveQuestion, kNotADocument, kLoadFailed}));
    EXPECT_EQ(state.painting.width(), 40u);
    ASSERT_TRUE(state.history.undoEnabled());
    command(command::kUndo);
    EXPECT_EQ(state.painting.at(0, 0).red, 255);
    // Refused while an older state is shown: Redo still goes forward.
    answer(MessageAnswer::No);
    deliver(MessageKind::DropFile, cut);
    command(command::kRedo);
    EXPECT_EQ(state.painting.at(0, 0).red, 0);
}

TEST_F(FrameProcedureTest, ArrivingPicturesAreImportedByWhatTheyHoldAndOtherFilesRefusedOnce) {
    // Named as a document, holding a picture: what the file holds decides.
    const std::string photo = picture("photo.pai", 3, 2);
    makeChange();
    answer(MessageAnswer::No);
    deliver(MessageKind::DropFile, photo);
    ASSERT_EQ(state.painting.width() * 10 + state.painting.height(), 32u);
    EXPECT_EQ(state.painting.at(1, 0).red, 190);  // as File > Import Image converts it
    EXPECT_EQ(state.painting.at(0, 0).paint, 255);
    EXPECT_FALSE(state.history.undoEnabled());
    EXPECT_FALSE(state.history.documentClean());  // Import leaves the unsaved mark as it was
    EXPECT_EQ(messages.texts(), (Texts{kSaveQuestion}));

    // Refused before any question: the painting and its history stay.
    makeChange();
    std::ofstream(dir.file("notes.png")) << "a few words, but no picture";
    deliver(MessageKind::DropFile, dir.file("notes.png"));
    deliver(MessageKind::HandOff, dir.file("gone.png"));
    deliver(MessageKind::DropFile, dir.path().string());
    EXPECT_EQ(messages.texts(), (Texts{kNotADocument, kCannotOpen, kCannotOpen}));
    EXPECT_EQ(state.painting.width(), 3u);
    EXPECT_TRUE(state.history.undoEnabled());
    EXPECT_EQ(shell.calls, (Texts{"to front"}));

    // The command line's picture, on a painting with nothing unsaved: no question.
    setUpFirstPainting(state);
    messages.boxes().clear();
    shell.calls.clear();
    EXPECT_TRUE(PaintingArrived(state, shell, picture("wide.bmp", 9, 4), Arrival::CommandLine));
    EXPECT_EQ(state.painting.width(), 9u);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(shell.calls, (Texts{"canvas window 9x4"}));
}

// Whether the painting's surface shows every cell as a fresh shading with its own switch would.
bool showsFreshShading(const Canvas& painting) {
    Canvas fresh;
    fresh.copyFrom(painting);
    fresh.lighting = painting.lighting;
    fresh.shadeAll();
    const Surface& shown = painting.surface();
    return std::equal(shown.row(shown.height() - 1), shown.row(0) + shown.stride(),
                      fresh.surface().row(fresh.surface().height() - 1));
}

TEST_F(FrameProcedureTest, SaveRefreshesALitViewAndLeavesLightingOffForTheMainLoop) {
    // A relief whose light moves the paint lookup, changed behind the view's back.
    for (uint32_t y = 0; y < 600; ++y) {
        for (uint32_t x = 0; x < 600; ++x) {
            CanvasCell& cell = state.painting.cellForWriting(x, y);
            cell.height = float((x * 7 + y * 3) % 11) * 0.4f;
            cell.paint = uint8_t(x * 13 + y);
            cell.gloss = uint8_t(y);
        }
    }
    ASSERT_TRUE(state.painting.lighting);
    state.painting.shaded = true;
    ASSERT_FALSE(showsFreshShading(state.painting));
    dialogs.queueAnswer(dir.file("lit.pai"));
    command(command::kSave);
    EXPECT_TRUE(showsFreshShading(state.painting));

    command(command::kLighting);
    state.painting.shadeAll();  // as the main loop does
    state.painting.cellForWriting(300, 300).height = 50.0f;
    dialogs.queueAnswer(dir.file("unlit.pai"));
    command(command::kSave);
    EXPECT_FALSE(state.painting.lighting);
    EXPECT_FALSE(state.painting.shaded);
    state.painting.shadeAll();
    EXPECT_TRUE(showsFreshShading(state.painting));
    EXPECT_TRUE(fs::exists(dir.file("lit.pai")) && fs::exists(dir.file("unlit.pai")));
}

TEST_F(FrameProcedureTest, FileDialogsAreTitledByTheirCommandsAndRememberOnlyWhatServed) {
    // Where each opens before one served: the user's Pictures folder or home.
    const std::string fresh = platform::dialogStartPath(platform::DialogPlace::Import);
    makeChange();
    answer(MessageAnswer::Cancel);
    command(command::kOpen);
    answer(MessageAnswer::Cancel);
    command(command::kImportImage);
    EXPECT_TRUE(dialogs.asked().empty());
    answer(MessageAnswer::Yes);  // its save is cancelled: no Open dialog
    command(command::kOpen);
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(lastAsked().kind, platform::FileDialogKind::Save);
    EXPECT_EQ(lastAsked().title, "Save As");
    EXPECT_EQ(lastAsked().startPath, fresh);
    answer(MessageAnswer::No);
    command(command::kImportImage);
    EXPECT_EQ(lastAsked().title, "Import Image");
    EXPECT_EQ(lastAsked().filters[0].displayText, "All Formats");

    state.history.setDocumentClean(true);
    std::ofstream(dir.file("broken.pai")) << "no painting";
    dialogs.queueAnswer(dir.file("broken.pai"));
    command(command::kOpen);
    EXPECT_EQ(lastAsked().title, "Open");
    command(command::kOpen);
    EXPECT_EQ(lastAsked().startPath, fresh);  // the failed Open is not offered again

    dialogs.queueAnswer(dir.file("painting.pai"));
    command(command::kSave);
    dialogs.queueAnswer(dir.file("sketch.v2"));
    command(command::kExportImage);
    EXPECT_EQ(lastAsked().title, "Export Image");
    EXPECT_EQ(lastAsked().startPath, fresh);  // not the painting's name
    EXPECT_EQ(lastAsked().filters[1].pattern, "*.png;*.PNG");
    Surface written;
    EXPECT_TRUE(LoadImageFile(written, dir.file("sketch.v2.bmp")));
    EXPECT_FALSE(fs::exists(dir.file("sketch.v2")));
    command(command::kImportImage);
    EXPECT_EQ(lastAsked().startPath, fresh);
    command(command::kExportImage);
    EXPECT_EQ(lastAsked().startPath, dir.file("sketch.v2.bmp"));
    command(command::kOpen);
    EXPECT_EQ(lastAsked().startPath, dir.file("painting.pai"));
}

}  // namespace
}  // namespace dw::test
