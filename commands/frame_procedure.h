#pragma once

#include <string>

#include "commands/keyboard_routine.h"
#include "core/main_loop/loop_message.h"

namespace dw {

struct AppState;
struct PanelRow;
class Shell;

// The frame window's procedure: the menu's commands, the keyboard of every window, dropped
// and handed-over files, activation and the closing query.
class FrameProcedure : private KeyboardActions {
  public:
    explicit FrameProcedure(Shell& shell) : shell_(shell) {}

    // A message for the frame, or a key message of any window.
    void handle(AppState& state, const LoopMessage& message);
    void runCommand(AppState& state, int commandId) override;

  private:
    void selectTool(AppState& state) override;
    void close(AppState& state);
    void newPainting(AppState& state);
    void imageSize(AppState& state);
    void undoOrRedo(AppState& state, int commandId);
    void undoSteps(AppState& state);
    void toggleLighting(AppState& state);
    void penSetting(AppState& state, int commandId);
    void wheel(AppState& state, const LoopMessage& message);
    void zoomStep(AppState& state, int step) override { zoomAround(state, step, {0, 0}); }
    void zoomAround(AppState& state, int step, ScreenPoint pointer);
    void togglePanel(const PanelRow& panel);
    void openManual(const std::string& page);

    Shell& shell_;
    KeyboardRoutine keyboard_;
};

// Edit > Pen Pressure and Edit > Continuous Strokes check what the state holds.
void ShowPenSettings(const AppState& state, Shell& shell);

}  // namespace dw
