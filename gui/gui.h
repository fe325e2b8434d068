#pragma once

#include <QRegion>
#include <QTimer>
#include <map>
#include <memory>

#include "commands/frame_procedure.h"
#include "commands/shell.h"
#include "core/main_loop/frame_timer.h"
#include "panels/panel_loop_windows.h"
#include "panels/panel_windows.h"

namespace dw {

class AutosaveKeeper;
class CanvasWindow;
class FrameWindow;
class PanelWindow;
class PassTiming;
class Panels;
struct ProgramPictures;

// The program's windows around one AppState: the frame, the canvas window and the floating
// panels. It serves the main loop (LoopWindows), the frame's commands (Shell) and the panels
// (PanelWindows), and dispatches every message the loop delivers to its window's procedure.
class Gui final : public PanelLoopWindows, public Shell, public PanelWindows {
  public:
    Gui(AppState& state, MessageQueue& queue, Panels& panels, const ProgramPictures& pictures);
    ~Gui() override;

    // The frame with its client, the canvas window and the floating panels, shown maximised
    // with every panel's Window item checked.
    void createWindows();
    // The main loop: passes until the frame is destroyed, waiting while nothing goes on.
    void run();
    // Autosaves between passes from now on, woken by a timer while nothing goes on.
    void keepSafe(AutosaveKeeper& keeper);

    // Figures of the run, when asked for (DAUBWERK_TIMING).
    void measure(std::unique_ptr<PassTiming> timing);
    PassTiming* timing() { return timing_.get(); }

    FrameWindow& frame() { return *frame_; }
    CanvasWindow& canvas() { return *canvas_; }
    PanelWindow* panel(WindowId window) const;

    // LoopWindows.
    void passStarted() override;
    void pace() override;
    void invalidateCanvas(const IntRect& rect) override;
    void invalidateWholeCanvas() override;
    void updateCanvas() override;
    void moveCanvasWindow(const ScreenPoint& position) override;
    bool trackPointerLeave() override;
    void colourChanged(AppState& state) override;
    void keyboard(AppState& state, const LoopMessage& message) override;
    void deliver(AppState& state, const LoopMessage& message) override;

    // Shell.
    void createCanvasWindow(AppState& state) override;
    NewImageSize showNewImagePanel(AppState& state, std::string_view title, int width,
                                   int height) override;
    void setMenuChecked(int commandId, bool checked) override;
    bool menuChecked(int commandId) const override;
    void showPanel(WindowId panel, bool shown) override;
    void programActivated(bool active) override;
    void selectTool(AppState& state) override;
    void showAbout() override;
    bool showDocument(const std::string& path) override;
    void minimiseFrame() override;
    void bringFrameToFront() override;
    void destroyFrame(AppState& state) override;
    void post(const LoopMessage& message) override;
    void printPainting(AppState& state) override;
    void pageSetup() override;
    uint32_t askUndoSteps(const AppState& state) override;
    void userSettingsChanged(const AppState& state) override;
    void showNotice(const std::string& text) override;

    // PanelWindows.
    void repaint(WindowId window, const IntRect* area) override;
    void setCaption(WindowId window, const std::string& caption) override;
    bool trackPointerLeave(WindowId window) override;

  private:
    void createPanels();

    AppState& state_;
    MessageQueue& queue_;
    Panels& panels_;
    FrameProcedure procedure_;
    FrameTimer timer_;
    std::unique_ptr<FrameWindow> frame_;
    CanvasWindow* canvas_ = nullptr;
    std::map<WindowId, PanelWindow*> panelWindows_;
    QRegion dirty_;
    const ProgramPictures& pictures_;
    std::unique_ptr<PassTiming> timing_;
    AutosaveKeeper* keeper_ = nullptr;
    QTimer keeperWake_;
};

}  // namespace dw
