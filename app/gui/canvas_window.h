#pragma once

#include <QWidget>

#include "app/gui/window_events.h"

namespace dw {

struct AppState;

// The painting's window: painting size x zoom, a child of the frame's client area, moved by
// the Hand Tool. It paints its update rectangle from the painting's surface; everything else
// goes to the main loop as messages.
class CanvasWindow : public QWidget {
  public:
    CanvasWindow(QWidget& client, AppState& state, MessageQueue& queue);

    // Resized for the painting and the zoom and put back at its home place.
    void recreate();
    WindowEvents& events() { return events_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override { events_.mouseMove(*event); }
    void mousePressEvent(QMouseEvent* event) override { events_.mousePress(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { events_.mouseRelease(*event); }
    void leaveEvent(QEvent*) override { events_.leave(); }
    void keyPressEvent(QKeyEvent* event) override { events_.key(*event, true); }
    void keyReleaseEvent(QKeyEvent* event) override { events_.key(*event, false); }

  private:
    AppState& state_;
    WindowEvents events_;
};

}  // namespace dw
