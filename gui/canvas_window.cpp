#include "gui/canvas_window.h"

#include <QCoreApplication>
#include <QNativeGestureEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QTabletEvent>
#include <QWheelEvent>

#include "canvas/canvas_view.h"
#include "canvas/truncation.h"
#include "core/app_state.h"
#include "gui/backing_store_target.h"
#include "gui/surface_image.h"

namespace dw {
namespace {

constexpr qsizetype kKeptPictureBytes = qsizetype(64) << 20;

QCursor canvasCursor() {
    // The ring's centre is the hotspot.
    return QCursor(QPixmap(QStringLiteral(":/daubwerk/canvas-cursor.png")), 15, 15);
}

}  // namespace

CanvasWindow::CanvasWindow(QWidget& client, AppState& state, MessageQueue& queue)
    : MessageWidget(&client, {}, queue, WindowId::Canvas), state_(state) {
    // Every pixel is drawn from the painting; pixels a request leaves out keep what they had.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(canvasCursor());
    // A hovering pen's moves: which end is near, and where the next press lands.
    setTabletTracking(true);
    QCoreApplication::instance()->installEventFilter(this);
}

void CanvasWindow::tabletEvent(QTabletEvent* event) {
    // An event taken here comes no second time as a mouse event.
    if (events().tablet(*event)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CanvasWindow::wheelEvent(QWheelEvent* event) {
    events().wheel(*event);
    event->accept();
}

bool CanvasWindow::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<const QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            events().pinch(gesture->value(), gesture->position().toPoint());
            return true;
        }
    }
    return MessageWidget::event(event);
}

bool CanvasWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::TabletEnterProximity) {
        const auto* tablet = static_cast<const QTabletEvent*>(event);
        events().stylusNear(tablet->pointerType() == QPointingDevice::PointerType::Eraser);
    }
    return QWidget::eventFilter(watched, event);
}

void CanvasWindow::recreate() {
    const Canvas& painting = state_.painting;
    events().reset();
    setGeometry(state_.canvasWindowPos.x, state_.canvasWindowPos.y,
                zoomedLength(painting.width(), state_.zoomFactor),
                zoomedLength(painting.height(), state_.zoomFactor));
    show();
    update();
}

void CanvasWindow::paintEvent(QPaintEvent* event) {
    const QRect update = event->region().boundingRect();
    const float zoom = state_.zoomFactor;
    const CanvasPaintArea area = canvasPaintArea(
        {update.left(), update.top(), update.right() + 1, update.bottom() + 1}, zoom);
    const IntRect cells = clipToSurface(area.cells, state_.painting.surface());
    const ScaledSurface scaled{state_.painting.surface(), cells,
                               truncToInt(double(cells.width()) * zoom),
                               truncToInt(double(cells.height()) * zoom)};
    if (!scaled.valid()) {
        return;
    }
    QPainter painter(this);
    const QRect shown(area.window.left, area.window.top, scaled.targetWidth, scaled.targetHeight);
    if (const BackingStoreTarget target = backingStoreTarget(painter, event->region());
        target.image) {
        const QRect placed = shown.translated(target.offset);
        const QRegion parts = target.clip & placed;
        for (const QRect& rect : parts) {
            const QPoint from = rect.topLeft() - placed.topLeft();
            scaled.write({from.x(), from.y(), from.x() + rect.width(), from.y() + rect.height()},
                         target.image->scanLine(rect.top()) + rect.left() * sizeof(QRgb),
                         target.image->bytesPerLine());
        }
        return;
    }
    painter.drawImage(shown.topLeft(), reusedPicture(shown.size(), scaled));
    // One larger than any screen (a grab of the whole magnified painting) is not kept.
    if (picture_.sizeInBytes() > kKeptPictureBytes) {
        picture_ = QImage();
    }
}

// Painters that are not the screen's (grabs, renders) get a picture whose memory outlives the
// paint event.
QImage CanvasWindow::reusedPicture(QSize size, const ScaledSurface& scaled) {
    if (picture_.width() < size.width() || picture_.height() < size.height()) {
        picture_ = QImage(size.expandedTo(picture_.size()), QImage::Format_RGB32);
    }
    // A window onto the kept picture's memory, as large as this request.
    scaled.write({0, 0, size.width(), size.height()}, picture_.bits(), picture_.bytesPerLine());
    return QImage(picture_.constBits(), size.width(), size.height(), picture_.bytesPerLine(),
                  QImage::Format_RGB32);
}

}  // namespace dw
