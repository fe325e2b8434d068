#pragma once

#include <QWidget>

#include "app/gui/window_events.h"

namespace dw {

struct AppState;
class Panels;

// One floating panel's window (or the styles panel, a child of the properties panel): it
// shows the panel's picture and passes its events on as messages.
class PanelWindow : public QWidget {
  public:
    // A floating panel: a tool window owned by the frame, with a caption and no close box.
    PanelWindow(QWidget& frame, WindowId window, AppState& state, Panels& panels,
                MessageQueue& queue);
    // A panel inside another one.
    PanelWindow(PanelWindow& parent, WindowId window, AppState& state, Panels& panels,
                MessageQueue& queue);

    WindowEvents& events() { return events_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override { events_.mouseMove(*event); }
    void mousePressEvent(QMouseEvent* event) override { events_.mousePress(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { events_.mouseRelease(*event); }
    void leaveEvent(QEvent*) override { events_.leave(); }
    void keyPressEvent(QKeyEvent* event) override { events_.key(*event, true); }
    void keyReleaseEvent(QKeyEvent* event) override { events_.key(*event, false); }
    // The close box hides the panel as its Window menu item does, mark included.
    void closeEvent(QCloseEvent* event) override;

  private:
    void setUp();

    AppState& state_;
    Panels& panels_;
    WindowEvents events_;
};

}  // namespace dw
