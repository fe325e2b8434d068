#include "tests/gui/gui_fixture.h"

#include <stdlib.h>

#include "core/main_loop/main_loop_pass.h"
#include "core/start_up.h"
#include "files/image_store.h"
#include "platform/dialog_paths.h"

namespace dw::test {

void GuiTest::SetUp() {
    previous_ = std::filesystem::current_path();
    std::filesystem::create_directory_symlink(DAUBWERK_WORKDATA, folder_.path() / "WorkData");
    std::filesystem::current_path(folder_.path());
    setenv("XDG_CONFIG_HOME", file("config").c_str(), 1);
    boxes.setEcho(false);
    platform::installMessageBoxes(&boxes);
    platform::installFileDialogs(&dialogs);
    platform::forgetDialogPaths();
    allowPackFailureNoticeAgain();
    // No window, command or tool may change cells behind the undo history's back.
    state.history.setWriteChecking(true);
    // The program's own start-up, without the splash and the preferences.
    StartUpSteps steps;
    steps.whileLoading = [this](const std::function<void()>& loading) {
        pictures.load();
        loading();
    };
    steps.loadPanels = [this](AppState& s) { panels.loadWhileSplashShows(s); };
    steps.createWindows = [this](AppState& s) {
        gui = std::make_unique<Gui>(s, queue, panels, pictures);
        gui->createWindows();
    };
    steps.showCanvas = [this](AppState& s) { gui->createCanvasWindow(s); };
    steps.preparePanels = [this](AppState& s) { panels.prepare(s, *gui); };
    startUp(state, steps);
    passes();
}

void GuiTest::TearDown() {
    EXPECT_EQ(state.history.checkWrites(), "");
    watch_.reset();
    gui.reset();
    platform::installMessageBoxes(nullptr);
    platform::installFileDialogs(nullptr);
    unsetenv("XDG_CONFIG_HOME");
    std::filesystem::current_path(previous_);
}

void GuiTest::passes(int count) {
    for (int i = 0; i < count; ++i) {
        RunMainLoopPass(state, queue, *gui);
        gui->frame().showHistory(state.history);
    }
}

void GuiTest::post(MessageKind kind, WindowId target, int x, int y, uint32_t code) {
    LoopMessage message = messageTo(target, kind, x, y);
    message.screen = {x, y};
    message.code = code;
    queue.post(message);
}

void GuiTest::command(int commandId) {
    post(MessageKind::Command, WindowId::Frame, 0, 0, uint32_t(commandId));
    passes();
}

void GuiTest::stroke(int x0, int y0, int x1, int y1) {
    post(MessageKind::PointerMove, WindowId::Canvas, x0, y0);
    post(MessageKind::LeftButtonDown, WindowId::Canvas, x0, y0);
    post(MessageKind::PointerMove, WindowId::Canvas, x1, y1);
    passes(6);
    post(MessageKind::LeftButtonUp, WindowId::Canvas, x1, y1);
    passes(2);
}

}  // namespace dw::test
