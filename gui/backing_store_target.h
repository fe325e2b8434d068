#pragma once

#include <QPoint>
#include <QRegion>

class QImage;
class QPainter;

namespace dw {

// The picture a widget's painter draws into, when a paint event can write its pixels there
// itself: an opaque 32-bit picture of the window system's (the backing store Qt flushes to
// the screen), one device pixel per window pixel. Writing there saves a picture of the
// request's size, its allocation and a copy on every pass of a stroke.
struct BackingStoreTarget {
    QImage* image = nullptr;
    QPoint offset;  // of the widget's origin in the picture
    QRegion clip;   // what the paint event may change, in the picture's coordinates
};

// Null image when the painter draws anywhere else: a grab, a printer, a scaled screen.
BackingStoreTarget backingStoreTarget(QPainter& painter, const QRegion& request);

}  // namespace dw
