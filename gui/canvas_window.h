#pragma once

#include <QImage>

#include "gui/message_widget.h"

namespace dw {

struct AppState;
struct ScaledSurface;

// The painting's window: painting size x zoom, a child of the frame's client area, moved by
// the Hand Tool. It paints its update rectangle from the painting's surface; everything else
// goes to the main loop as messages.
class CanvasWindow : public MessageWidget {
  public:
    CanvasWindow(QWidget& client, AppState& state, MessageQueue& queue);

    // Resized for the painting and the zoom and put back at its home place.
    void recreate();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void tabletEvent(QTabletEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    // The stylus coming near the tablet is told to the application, not to a window.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QImage reusedPicture(QSize size, const ScaledSurface& scaled);

    AppState& state_;
    QImage picture_;
};

}  // namespace dw
