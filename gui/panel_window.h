#pragma once

#include "gui/message_widget.h"

namespace dw {

struct AppState;
class Panels;

// One floating panel's window (or the styles panel, a child of the properties panel): it
// shows the panel's picture and passes its events on as messages.
class PanelWindow : public MessageWidget {
  public:
    // A floating panel: a tool window owned by the frame, with a caption and a close box and
    // no other buttons.
    PanelWindow(QWidget& frame, WindowId window, AppState& state, Panels& panels,
                MessageQueue& queue);
    // A panel inside another one.
    PanelWindow(PanelWindow& parent, WindowId window, AppState& state, Panels& panels,
                MessageQueue& queue);

    // Puts a floating panel's window frame at (x, y) on the screen, before it is first shown.
    void place(int x, int y);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The close box hides the panel as its Window menu item does, mark included.
    void closeEvent(QCloseEvent* event) override;

  private:
    void setUp();

    AppState& state_;
    Panels& panels_;
};

}  // namespace dw
