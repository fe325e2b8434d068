#include "gui/backing_store_target.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace dw {

BackingStoreTarget backingStoreTarget(QPainter& painter, const QRegion& request) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image) {
        return {};
    }
    auto* image = static_cast<QImage*>(engine->paintDevice());
    const QImage::Format format = image->format();
    // A shared picture would be copied by the first write, behind the painter's back.
    if (image->isNull() || !image->isDetached() || image->devicePixelRatio() != 1.0 ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied &&
         format != QImage::Format_ARGB32)) {
        return {};
    }
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::trunc(transform.dx()) ||
        transform.dy() != std::trunc(transform.dy())) {
        return {};
    }
    const QPoint offset(int(transform.dx()), int(transform.dy()));
    QRegion clip = request.translated(offset) & image->rect();
    if (const QRegion system = engine->systemClip(); !system.isEmpty()) {
        clip &= system;
    }
    return {image, offset, clip};
}

}  // namespace dw
