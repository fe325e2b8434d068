#include "gui/program.h"

#include <QApplication>
#include <QIcon>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/autosave_keeper.h"
#include "commands/command_ids.h"
#include "commands/command_line.h"
#include "commands/file_flows.h"
#include "commands/frame_procedure.h"
#include "core/app_state.h"
#include "core/preferences.h"
#include "core/start_up.h"
#include "desktop/file_type_registration.h"
#include "desktop/qt/qt_single_instance.h"
#include "desktop/run_time_folder.h"
#include "desktop/single_instance.h"
#include "gui/display_choice.h"
#include "gui/frame_window.h"
#include "gui/gui.h"
#include "gui/pass_timing.h"
#include "gui/program_pictures.h"
#include "gui/splash_window.h"
#include "gui/user_settings.h"
#include "panels/panels.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_progress.h"
#include "platform/user_folders.h"

namespace dw {
namespace {

namespace fs = std::filesystem;

// The painting named on the command line, resolved against the folder the program was
// started in: the working directory moves to the program's folder before it is read.
std::optional<std::string> paintingToOpen(const QStringList& qtArguments, const fs::path& from) {
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < qtArguments.size(); ++i) {
        arguments.push_back(qtArguments[i].toStdString());
    }
    std::optional<std::string> path = commandLinePath(joinArguments(arguments));
    if (path) {
        path = (from / *path).lexically_normal().string();
    }
    return path;
}

// The program finds its pictures, stores and examples beside itself; when it may not write
// there, in a folder of the user's that links to them.
void enterRunTimeFolder() {
    const fs::path program = platform::executableFolder();
    if (program.empty()) {
        platform::showMessage("GetModuleFileName() failed!", "Error");
        return;
    }
    std::error_code error;
    fs::current_path(platform::chooseRunTimeFolder(program, platform::userDataHome()), error);
    if (error) {
        platform::showMessage("SetCurrentDirectory() failed!", "Error");
    }
}

LoopMessage handOff(std::string path) {
    LoopMessage message = messageTo(WindowId::Frame, MessageKind::HandOff);
    message.text = std::move(path);
    return message;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/daubwerk/daubwerk-%1.png").arg(size));
    }
    return icon;
}

}  // namespace

int runProgram(int argc, char** argv) {
    if (!chooseDisplay()) {
        return 1;
    }
    const fs::path startFolder = fs::current_path();
    QApplication application(argc, argv);
    QApplication::setWindowIcon(programIcon());
    platform::QtMessageBoxes messageBoxes;
    platform::QtFileDialogs fileDialogs;
    platform::QtProgress progress;
    platform::installMessageBoxes(&messageBoxes);
    platform::installFileDialogs(&fileDialogs);
    platform::installProgress(&progress);

    const std::optional<std::string> commandLineFile =
        paintingToOpen(QApplication::arguments(), startFolder);
    enterRunTimeFolder();

    // A second start hands its painting to the program that runs already, and leaves.
    AppState state;
    MessageQueue queue;
    Gui* shown = nullptr;
    platform::QtSingleInstance instance(platform::instanceChannelForUser());
    instance.setReceivers({[&queue](std::string path) { queue.post(handOff(std::move(path))); },
                           [&shown] {
                               if (shown) {
                                   shown->bringFrameToFront();
                               }
                           }});
    if (platform::settleSingleInstance(instance, commandLineFile) ==
        platform::StartDecision::Exit) {
        return 0;
    }
    // Only now: a second start never sees the running program's paintings.
    AutosaveKeeper keeper(platform::recoveryFolder(), autosavePeriod(autosaveMinutesSetting()));
    const platform::FileTypeTarget fileType = platform::fileTypeTargetForThisRun();
    if (platform::installedProgram(fileType.programFolder)) {
        platform::RegisterFileType(fileType);
    }
    Panels panels;
    ProgramPictures pictures;
    std::unique_ptr<Gui> gui;
    StartUpSteps steps;
    steps.whileLoading = [&](const std::function<void()>& loading) {
        pictures.load();
        ShowSplash(pictures.splash, SplashClosing::Automatic, loading, queue);
    };
    steps.loadPanels = [&](AppState& s) { panels.loadWhileSplashShows(s); };
    steps.createWindows = [&](AppState& s) {
        gui = std::make_unique<Gui>(s, queue, panels, pictures);
        shown = gui.get();
        gui->measure(PassTiming::fromEnvironment());
        if (gui->timing()) {
            gui->timing()->splashClosed();
        }
        gui->createWindows();
        messageBoxes.setFrame(&gui->frame());
        fileDialogs.setFrame(&gui->frame());
        progress.setFrame(&gui->frame());
    };
    steps.showCanvas = [&](AppState& s) { gui->createCanvasWindow(s); };
    steps.firstPaintings = [&](AppState& s) {
        std::optional<Preferences> preferences = readPreferences(kPreferencesFile);
        if (!preferences) {
            preferences = Preferences{};
            writePreferences(kPreferencesFile, *preferences);
            PaintingArrived(s, *gui, "Examples/welcome.pai", Arrival::FirstRun);
        }
        s.painting.lighting = preferences->lighting != 0;
        gui->setMenuChecked(command::kLighting, s.painting.lighting);
        loadUserSettings(s);
        ShowPenSettings(s, *gui);
    };
    steps.preparePanels = [&](AppState& s) { panels.prepare(s, *gui); };
    startUp(state, steps);
    // Once the panels are drawn: a question over blank panels looks like a program that hangs.
    // Before the command line's file, which then asks whether to save what came back.
    keeper.offerLeftPaintings(state, *gui);
    if (commandLineFile) {
        PaintingArrived(state, *gui, *commandLineFile, Arrival::CommandLine);
    }
    gui->frame().showHistory(state.history);

    gui->keepSafe(keeper);
    gui->run();
    shown = nullptr;
    keeper.programClosed();

    panels.saveLists(state);
    writePreferences(kPreferencesFile, {0, uint8_t(state.painting.lighting ? 1 : 0)});
    platform::installMessageBoxes(nullptr);
    platform::installFileDialogs(nullptr);
    platform::installProgress(nullptr);
    return 0;
}

}  // namespace dw
