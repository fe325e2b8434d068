#include "tests/panels/panel_fixture.h"

#include "files/devil_library.h"
#include "platform/dialog_paths.h"
#include "tests/support/temp_dir.h"

namespace dw::test {
namespace {

// The program folder every panel test runs in: the build's pictures under WorkData/, the
// picture stores and preset files under data/. The stores are kept for the whole run, the
// preset files are removed before each test.
void enterProgramFolder() {
    static const TempDir folder;
    [[maybe_unused]] static const bool linked = [] {
        std::filesystem::create_symlink(DAUBWERK_WORKDATA, folder.path() / "WorkData");
        initialiseImageLibrary();
        return true;
    }();
    std::filesystem::current_path(folder.path());
}

void removePresetFiles() {
    std::filesystem::create_directories("data");
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("palette.") || name.starts_with("strokes.")) {
            std::filesystem::remove(entry.path());
        }
    }
}

}  // namespace

PanelTest::PanelTest() {
    enterProgramFolder();
    removePresetFiles();
    platform::installFileDialogs(&dialogs);
    platform::forgetDialogPaths();
    state.painting.create(60, 40);
    state.painting.displayState = Canvas::kPaintingDisplayState;
}

PanelTest::~PanelTest() {
    platform::installFileDialogs(nullptr);
}

void PanelTest::startUp() {
    panels->loadWhileSplashShows(state);
    panels->prepare(state, windows);
    passes(1);
}

void PanelTest::send(WindowId window, MessageKind kind, int x, int y) {
    queue.post(messageTo(window, kind, x, y));
    passes(1);
}

void PanelTest::passes(int count) {
    PanelLoopWindows loop(*panels, windows);
    for (int i = 0; i < count; ++i) {
        RunMainLoopPass(state, queue, loop);
    }
}

void PanelTest::click(WindowId window, int x, int y) {
    send(window, MessageKind::PointerMove, x, y);
    send(window, MessageKind::LeftButtonDown, x, y);
    send(window, MessageKind::LeftButtonUp, x, y);
}

}  // namespace dw::test
