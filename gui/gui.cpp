#include "gui/gui.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <algorithm>

#include "commands/autosave_keeper.h"
#include "commands/command_ids.h"
#include "core/app_state.h"
#include "core/main_loop/main_loop_pass.h"
#include "core/painting_commands.h"
#include "gui/canvas_window.h"
#include "gui/desktop_viewer.h"
#include "gui/frame_window.h"
#include "gui/new_image_panel.h"
#include "gui/panel_window.h"
#include "gui/pass_timing.h"
#include "gui/program_pictures.h"
#include "gui/splash_window.h"
#include "gui/undo_steps_dialog.h"
#include "gui/user_settings.h"
#include "panels/panel_registry.h"
#include "panels/panels.h"
#include "printing/print_painting.h"

namespace dw {
namespace {

QRect qtRect(const IntRect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

// The window manager's title bar and borders around a panel, which its placement cannot know.
constexpr int kDecorationWidth = 12;
constexpr int kDecorationHeight = 36;

// Where a panel's frame goes: its place from the table, moved as little as needed to lie on
// the screen's available area whatever the screen's size and scale.
QPoint panelCorner(const PanelPlacement& placement, const QRect& available) {
    int x = available.left() +
            (placement.fromRightEdge ? available.width() + placement.x : placement.x);
    int y = available.top() + placement.y;
    x = std::min(x, available.right() + 1 - placement.width - kDecorationWidth);
    y = std::min(y, available.bottom() + 1 - placement.height - kDecorationHeight);
    return {std::max(x, available.left()), std::max(y, available.top())};
}

}  // namespace

Gui::Gui(AppState& state, MessageQueue& queue, Panels& panels, const ProgramPictures& pictures)
    : PanelLoopWindows(panels, *this),
      state_(state),
      queue_(queue),
      panels_(panels),
      procedure_(*this),
      pictures_(pictures) {}

Gui::~Gui() = default;

void Gui::measure(std::unique_ptr<PassTiming> timing) {
    timing_ = std::move(timing);
}

void Gui::createWindows() {
    frame_ = std::make_unique<FrameWindow>(queue_);
    canvas_ = new CanvasWindow(frame_->client(), state_, queue_);
    // The panels stay above the window they belong to once that one is on the screen.
    frame_->showMaximized();
    createPanels();
    for (const PanelRow& row : panelRows()) {
        if (row.menuCommand != 0) {
            setMenuChecked(row.menuCommand, true);
        }
    }
}

void Gui::createPanels() {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    for (const PanelRow& row : panelRows()) {
        const PanelPlacement& place = row.placement;
        PanelWindow* window = nullptr;
        if (row.parent == WindowId::Frame) {
            window = new PanelWindow(*frame_, row.window, state_, panels_, queue_);
            window->setWindowTitle(
                QString::fromUtf8(row.title.data(), qsizetype(row.title.size())));
            window->setFixedSize(place.width, place.height);
            const QPoint corner = panelCorner(place, available);
            window->place(corner.x(), corner.y());
        } else if (PanelWindow* parent = panel(row.parent)) {
            window = new PanelWindow(*parent, row.window, state_, panels_, queue_);
            window->setGeometry(place.x, place.y, place.width, place.height);
        } else {
            continue;
        }
        window->show();
        panelWindows_[row.window] = window;
    }
}

PanelWindow* Gui::panel(WindowId window) const {
    const auto found = panelWindows_.find(window);
    return found == panelWindows_.end() ? nullptr : found->second;
}

void Gui::run() {
    while (!state_.quitRequested) {
        if (MainLoopIdle(state_, queue_, *this)) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        const bool painting = state_.drags.canvas.active && state_.buttonHeld;
        const auto start = std::chrono::steady_clock::now();
        RunMainLoopPass(state_, queue_, *this);
        frame_->showHistory(state_.history);
        if (timing_) {
            timing_->pass(std::chrono::steady_clock::now() - start, painting);
            if (state_.painting.shaded) {
                timing_->paintingShown();
            }
            timing_->periodCheck();
        }
        if (keeper_ && !state_.quitRequested) {
            const auto polled = std::chrono::steady_clock::now();
            keeper_->poll(state_, *this);
            if (timing_) {
                timing_->autosavePoll(std::chrono::steady_clock::now() - polled);
            }
        }
    }
}

void Gui::keepSafe(AutosaveKeeper& keeper) {
    keeper_ = &keeper;
    // The timer only wakes the waiting loop, which polls after its pass.
    QObject::connect(&keeperWake_, &QTimer::timeout, [] {});
    keeperWake_.start(keeper.pollInterval());
}

// LoopWindows.

void Gui::passStarted() {
    timer_.start();
    QCoreApplication::processEvents();
}

void Gui::pace() {
    paceToPassLength(timer_);
}

void Gui::invalidateCanvas(const IntRect& rect) {
    dirty_ += qtRect(rect);
}

void Gui::invalidateWholeCanvas() {
    canvas_->update();
}

void Gui::updateCanvas() {
    if (!dirty_.isEmpty()) {
        canvas_->repaint(dirty_);
        dirty_ = QRegion();
    }
}

void Gui::moveCanvasWindow(const ScreenPoint& position) {
    canvas_->move(position.x, position.y);
}

bool Gui::trackPointerLeave() {
    return canvas_->events().trackLeave();
}

void Gui::colourChanged(AppState& state) {
    canvas_->update();
    PanelLoopWindows::colourChanged(state);
}

void Gui::keyboard(AppState& state, const LoopMessage& message) {
    procedure_.handle(state, message);
}

void Gui::deliver(AppState& state, const LoopMessage& message) {
    if (message.kind == MessageKind::KeyDown || message.kind == MessageKind::KeyUp) {
        procedure_.handle(state, message);
    } else if (message.target == WindowId::Frame) {
        procedure_.handle(state, message);
    } else if (findPanelRow(message.target) != nullptr) {
        PanelLoopWindows::deliver(state, message);
    }
    // Messages for the modal panels left over after they closed have no window to go to.
}

// Shell.

void Gui::createCanvasWindow(AppState& state) {
    placeCanvasWindow(state);
    canvas_->recreate();
}

NewImageSize Gui::showNewImagePanel(AppState&, std::string_view title, int width, int height) {
    return ShowNewImagePanel(title, width, height, pictures_, queue_, *frame_);
}

void Gui::setMenuChecked(int commandId, bool checked) {
    frame_->setChecked(commandId, checked);
}

bool Gui::menuChecked(int commandId) const {
    return frame_->isChecked(commandId);
}

void Gui::showPanel(WindowId window, bool shown) {
    PanelWindow* found = panel(window);
    if (!found) {
        return;
    }
    if (shown) {
        // A window manager that minimised the panels with the frame leaves them minimised;
        // shown so, a panel would take the frame down again with it.
        found->setWindowState(found->windowState() & ~Qt::WindowMinimized);
    }
    found->setVisible(shown);
}

void Gui::programActivated(bool active) {
    // Panels hide while another program is in front; on return only those the Window menu
    // shows come back, so its marks stay true.
    for (const PanelRow& row : panelRows()) {
        if (row.menuCommand != 0) {
            showPanel(row.window, active && menuChecked(row.menuCommand));
        }
    }
}

void Gui::selectTool(AppState& state) {
    panels_.selectTool(state, *this);
}

void Gui::showAbout() {
    ShowSplash(pictures_.splash, SplashClosing::OnUserAction, {}, queue_);
}

bool Gui::showDocument(const std::string& path) {
    return showInDesktopViewer(path);
}

void Gui::minimiseFrame() {
    frame_->showMinimized();
}

void Gui::bringFrameToFront() {
    if (frame_->isMinimized()) {
        frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
        frame_->show();
    }
    frame_->raise();
    frame_->activateWindow();
}

void Gui::destroyFrame(AppState& state) {
    frame_->destroy();
    state.quitRequested = true;
}

void Gui::post(const LoopMessage& message) {
    queue_.post(message);
}

void Gui::printPainting(AppState& state) {
    PrintPainting(state);
}

void Gui::pageSetup() {
    PageSetupCommand();
}

uint32_t Gui::askUndoSteps(const AppState& state) {
    UndoStepsDialog dialog(state.history.steps(), state.painting.cellCount() * sizeof(CanvasCell),
                           frame_.get());
    return dialog.exec() == QDialog::Accepted ? dialog.steps() : 0;
}

void Gui::userSettingsChanged(const AppState& state) {
    saveUserSettings(state);
}

// The status line appears only for a notice, and takes neither the focus nor the pointer.
void Gui::showNotice(const std::string& text) {
    frame_->statusBar()->showMessage(QString::fromStdString(text));
}

// PanelWindows.

void Gui::repaint(WindowId window, const IntRect* area) {
    if (PanelWindow* found = panel(window)) {
        if (area) {
            found->repaint(qtRect(*area));
        } else {
            found->repaint();
        }
    }
}

void Gui::setCaption(WindowId window, const std::string& caption) {
    if (PanelWindow* found = panel(window)) {
        found->setWindowTitle(QString::fromStdString(caption));
    }
}

bool Gui::trackPointerLeave(WindowId window) {
    PanelWindow* found = panel(window);
    return found && found->events().trackLeave();
}

}  // namespace dw
