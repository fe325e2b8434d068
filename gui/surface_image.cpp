#include "gui/surface_image.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "canvas/surface.h"

namespace dw {

IntRect clipToSurface(const IntRect& rect, const Surface& surface) {
    return {std::max(rect.left, 0), std::max(rect.top, 0),
            std::min(rect.right, int(surface.width())),
            std::min(rect.bottom, int(surface.height()))};
}

QImage surfaceImage(const Surface& surface, const IntRect& source, int targetWidth,
                    int targetHeight) {
    if (!surface.valid() || source.width() <= 0 || source.height() <= 0 || targetWidth <= 0 ||
        targetHeight <= 0 || clipToSurface(source, surface) != source) {
        return {};
    }
    QImage image(targetWidth, targetHeight, QImage::Format_RGB32);
    const uint32_t bytes = surface.bytesPerPixel();
    // Byte offset of the source pixel under each target column, worked out once.
    std::vector<uint32_t> columnOffset(static_cast<std::size_t>(targetWidth));
    for (int i = 0; i < targetWidth; ++i) {
        const int64_t column = source.left + int64_t(i) * source.width() / targetWidth;
        columnOffset[std::size_t(i)] = uint32_t(column) * bytes;
    }
    int64_t previousRow = -1;
    for (int j = 0; j < targetHeight; ++j) {
        const int64_t row = source.top + int64_t(j) * source.height() / targetHeight;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(j));
        // Magnified, several window rows show one row of cells: convert it once.
        if (row == previousRow) {
            std::memcpy(to, image.constScanLine(j - 1), std::size_t(targetWidth) * sizeof(QRgb));
            continue;
        }
        previousRow = row;
        const uint8_t* from = surface.row(uint32_t(row));
        for (int i = 0; i < targetWidth; ++i) {
            const uint8_t* pixel = from + columnOffset[std::size_t(i)];
            to[i] = qRgb(pixel[2], pixel[1], pixel[0]);
        }
    }
    return image;
}

void drawSurface(QPainter& painter, const Surface& surface, const IntRect& updateRect) {
    const IntRect area = clipToSurface(updateRect, surface);
    const QImage image = surfaceImage(surface, area, area.width(), area.height());
    if (!image.isNull()) {
        painter.drawImage(area.left, area.top, image);
    }
}

}  // namespace dw
