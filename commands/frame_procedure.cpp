#include "commands/frame_procedure.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

#include "commands/command_ids.h"
#include "commands/file_flows.h"
#include "commands/shell.h"
#include "core/app_state.h"
#include "core/painting_commands.h"
#include "filters/filter_commands.h"
#include "panels/panel_registry.h"
#include "platform/message_box.h"
#include "platform/progress.h"

namespace dw {
namespace {

void clearPointerState(AppState& state, MessageKind kind) {
    state.drags.resetAll();
    if (kind == MessageKind::LeftButtonDown) {
        state.buttonHeld = true;
    } else if (kind == MessageKind::LeftButtonUp) {
        state.buttonHeld = false;
    }
}

// Where Help could not show the manual: the frame stays as it is.
void showHelpMessage(const std::string& text) {
    platform::showMessage({text, "Daubwerk Help", platform::MessageIcon::Warning,
                           platform::MessageButtons::Ok, platform::MessageOwner::Frame});
}

bool runFilter(AppState& state, int commandId) {
    const FilterCommand* filter = filterForCommand(commandId);
    if (!filter) {
        return false;
    }
    const std::unique_ptr<platform::Progress> progress =
        platform::startProgress(std::string(filter->undoName));
    filter->run(state.painting, state.history,
                {state.brush, state.offsets, state.patterns, state.random, progress.get()});
    return true;
}

}  // namespace

void ShowPenSettings(const AppState& state, Shell& shell) {
    for (int id = command::kPressureFirst; id <= command::kPressureLast; ++id) {
        shell.setMenuChecked(id, int(state.pressureMode) == id - command::kPressureFirst);
    }
    shell.setMenuChecked(command::kContinuousStrokes, state.continuousStrokes);
}

void FrameProcedure::handle(AppState& state, const LoopMessage& message) {
    switch (message.kind) {
        case MessageKind::KeyDown:
        case MessageKind::KeyUp:
            keyboard_.key(state, message.code, message.kind == MessageKind::KeyDown,
                          message.controlDown, *this);
            break;
        case MessageKind::Command:
            runCommand(state, int(message.code));
            break;
        case MessageKind::Close:
            close(state);
            break;
        case MessageKind::DropFile:
            PaintingArrived(state, shell_, message.text, Arrival::Drop);
            break;
        case MessageKind::HandOff:
            shell_.bringFrameToFront();
            PaintingArrived(state, shell_, message.text, Arrival::HandOff);
            break;
        case MessageKind::Activate:
            if (message.code == 0) {
                keyboard_.releaseAll(state, *this);
            }
            shell_.programActivated(message.code != 0);
            break;
        case MessageKind::Wheel:
            wheel(state, message);
            break;
        case MessageKind::PointerMove:
        case MessageKind::LeftButtonDown:
        case MessageKind::LeftButtonUp:
            clearPointerState(state, message.kind);
            break;
        default:
            break;
    }
}

void FrameProcedure::runCommand(AppState& state, int id) {
    using namespace command;
    if (id >= kZoomFirst && id <= kZoomLast) {
        state.zoomFactor = command::kZoomFactors[id - kZoomFirst];
        shell_.createCanvasWindow(state);
        return;
    }
    if (runFilter(state, id)) {
        return;
    }
    if ((id >= kPressureFirst && id <= kPressureLast) || id == kContinuousStrokes) {
        penSetting(state, id);
        return;
    }
    if (const PanelRow* panel = panelOfMenuCommand(id)) {
        togglePanel(*panel);
        return;
    }
    switch (id) {
        case kNew:
            newPainting(state);
            break;
        case kOpen:
            OpenCommand(state, shell_);
            break;
        case kImportImage:
            ImportCommand(state, shell_);
            break;
        case kSave:
            SaveCommand(state);
            break;
        case kExportImage:
            ExportCommand(state);
            break;
        case kPageSetup:
            shell_.pageSetup();
            break;
        case kPrint:
            shell_.printPainting(state);
            break;
        case kExit: {
            LoopMessage close;
            close.kind = MessageKind::Close;
            close.target = WindowId::Frame;
            shell_.post(close);
            break;
        }
        case kUndo:
        case kRedo:
            undoOrRedo(state, id);
            break;
        case kUndoSteps:
            undoSteps(state);
            break;
        case kLighting:
            toggleLighting(state);
            break;
        case kImageSize:
            imageSize(state);
            break;
        case kHelp:
            openManual("index.html");
            break;
        case kWebSite:
            openManual("home.html");
            break;
        case kAbout:
            shell_.showAbout();
            break;
        default:
            break;  // the client's window list has no entries; nothing else has these ids
    }
}

void FrameProcedure::selectTool(AppState& state) {
    shell_.selectTool(state);
}

void FrameProcedure::close(AppState& state) {
    if (!state.history.documentClean()) {
        const platform::MessageAnswer answer =
            platform::showMessage({"Would you like to save your painting?", "Save Changes?",
                                   platform::MessageIcon::Warning, platform::MessageButtons::YesNo,
                                   platform::MessageOwner::Frame});
        // Only a No throws the painting away. A question dismissed without an answer, or a
        // save that was cancelled or failed, keeps the program and the painting open.
        const bool leave =
            answer == platform::MessageAnswer::No ||
            (answer == platform::MessageAnswer::Yes && SaveCommand(state) == SaveOutcome::Saved);
        if (!leave) {
            return;
        }
    }
    shell_.destroyFrame(state);
}

void FrameProcedure::newPainting(AppState& state) {
    if (!AskSaveChanges(state)) {
        return;
    }
    const NewImageSize size = shell_.showNewImagePanel(state, "New Image", 600, 600);
    if (size.cancelled() || !dw::newPainting(state, size.width, size.height)) {
        return;
    }
    shell_.createCanvasWindow(state);
    state.history.setDocumentClean(true);
}

void FrameProcedure::imageSize(AppState& state) {
    const NewImageSize size = shell_.showNewImagePanel(
        state, "Image Size", int(state.painting.width()), int(state.painting.height()));
    if (size.cancelled() || !resizePainting(state, size.width, size.height)) {
        return;
    }
    shell_.createCanvasWindow(state);
    state.colourChanged = true;
}

void FrameProcedure::undoOrRedo(AppState& state, int commandId) {
    const RestoreResult result = commandId == command::kUndo ? state.history.undo(state.painting)
                                                             : state.history.redo(state.painting);
    if (!result.restored) {
        return;
    }
    if (result.sizeChanged) {
        shell_.createCanvasWindow(state);
    }
    state.colourChanged = true;
}

void FrameProcedure::undoSteps(AppState& state) {
    const uint32_t steps = shell_.askUndoSteps(state);
    if (steps == 0) {
        return;
    }
    state.history.setSteps(steps);
    shell_.userSettingsChanged(state);
}

void FrameProcedure::toggleLighting(AppState& state) {
    setLighting(state, !state.painting.lighting);
    shell_.setMenuChecked(command::kLighting, state.painting.lighting);
}

void FrameProcedure::penSetting(AppState& state, int commandId) {
    if (commandId == command::kContinuousStrokes) {
        state.continuousStrokes = !state.continuousStrokes;
    } else {
        state.pressureMode = PressureMode(commandId - command::kPressureFirst);
    }
    ShowPenSettings(state, shell_);
    shell_.userSettingsChanged(state);
}

void FrameProcedure::wheel(AppState& state, const LoopMessage& message) {
    if (message.controlDown) {
        const int step = message.scroll.y > 0 ? 1 : message.scroll.y < 0 ? -1 : 0;
        zoomAround(state, step, {message.x, message.y});
        return;
    }
    state.canvasWindowPos.x += message.scroll.x;
    state.canvasWindowPos.y += message.scroll.y;
    state.canvasWindowMoved = true;
}

void FrameProcedure::zoomAround(AppState& state, int step, ScreenPoint pointer) {
    const int steps = int(std::size(command::kZoomFactors));
    int index = 0;
    while (index + 1 < steps && command::kZoomFactors[index] < state.zoomFactor) {
        ++index;
    }
    const int next = index + step;
    if (step == 0 || next < 0 || next >= steps) {
        return;
    }
    const float from = state.zoomFactor;
    const float to = command::kZoomFactors[next];
    // The cell under the pointer stays under it: the same fraction of the cell, scaled.
    const ScreenPoint client = {state.canvasWindowPos.x + pointer.x,
                                state.canvasWindowPos.y + pointer.y};
    state.zoomFactor = to;
    shell_.createCanvasWindow(state);
    state.canvasWindowPos = {client.x - int(std::floor(pointer.x * double(to) / from)),
                             client.y - int(std::floor(pointer.y * double(to) / from))};
    state.canvasWindowMoved = true;
}

void FrameProcedure::togglePanel(const PanelRow& panel) {
    const bool shown = !shell_.menuChecked(panel.menuCommand);
    shell_.setMenuChecked(panel.menuCommand, shown);
    shell_.showPanel(panel.window, shown);
}

void FrameProcedure::openManual(const std::string& page) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::current_path(error) / "manual" / page;
    // Where the file really is: the working folder may hold only a link to the manual.
    if (std::filesystem::path real = std::filesystem::weakly_canonical(path, error); !error) {
        path = real;
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        showHelpMessage("The manual could not be found. It belongs in the file\n" + path.string());
    } else if (!shell_.showDocument(path.string())) {
        showHelpMessage(
            "The manual could not be opened: no program to show web pages was found.\n\n"
            "The manual is the file\n" +
            path.string());
    } else {
        shell_.minimiseFrame();  // out of the way of the manual
    }
}

}  // namespace dw
