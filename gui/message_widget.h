#pragma once

#include <QWidget>

#include "gui/window_events.h"

namespace dw {

// A window of the program whose pointer and key events go to the main loop as messages.
class MessageWidget : public QWidget {
  public:
    MessageWidget(QWidget* parent, Qt::WindowFlags flags, MessageQueue& queue, WindowId window)
        : QWidget(parent, flags), events_(queue, window, *this) {
        setMouseTracking(true);
    }

    WindowEvents& events() { return events_; }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override { events_.mouseMove(*event); }
    void mousePressEvent(QMouseEvent* event) override { events_.mousePress(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { events_.mouseRelease(*event); }
    void leaveEvent(QEvent*) override { events_.leave(); }
    void keyPressEvent(QKeyEvent* event) override { events_.key(*event, true); }
    void keyReleaseEvent(QKeyEvent* event) override { events_.key(*event, false); }

  private:
    WindowEvents events_;
};

}  // namespace dw
