#include "gui/surface_image.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <vector>

#include "canvas/surface.h"

namespace dw {
namespace {

QRgb pixelAt(const uint8_t* pixel) {
    return qRgb(pixel[2], pixel[1], pixel[0]);
}

// Magnified by a whole factor, each source pixel fills a run of target pixels: no table, and
// for the zooms the program offers a run of known length.
template <int kFactor>
void writeRuns(const uint8_t* from, uint32_t bytes, int factor, int left, int right, QRgb* to) {
    const int run = kFactor > 0 ? kFactor : factor;
    const uint8_t* pixel = from + uint32_t(left / run) * bytes;
    int i = left;
    // A part may start and end inside a run.
    for (const int end = std::min(right, (left / run + 1) * run); i < end; ++i) {
        *to++ = pixelAt(pixel);
    }
    for (pixel += bytes; i + run <= right; i += run, pixel += bytes) {
        const QRgb value = pixelAt(pixel);
        for (int k = 0; k < run; ++k) {
            *to++ = value;
        }
    }
    for (; i < right; ++i) {
        *to++ = pixelAt(pixel);
    }
}

void writeMagnifiedRow(const uint8_t* from, uint32_t bytes, int factor, int left, int right,
                       QRgb* to) {
    switch (factor) {
        case 1:
            return writeRuns<1>(from, bytes, factor, left, right, to);
        case 2:
            return writeRuns<2>(from, bytes, factor, left, right, to);
        case 3:
            return writeRuns<3>(from, bytes, factor, left, right, to);
        case 4:
            return writeRuns<4>(from, bytes, factor, left, right, to);
        default:
            return writeRuns<0>(from, bytes, factor, left, right, to);
    }
}

}  // namespace

IntRect clipToSurface(const IntRect& rect, const Surface& surface) {
    return {std::max(rect.left, 0), std::max(rect.top, 0),
            std::min(rect.right, int(surface.width())),
            std::min(rect.bottom, int(surface.height()))};
}

bool ScaledSurface::valid() const {
    return surface.valid() && source.width() > 0 && source.height() > 0 && targetWidth > 0 &&
           targetHeight > 0 && clipToSurface(source, surface) == source;
}

void ScaledSurface::write(const IntRect& part, uchar* pixels, qsizetype stride) const {
    if (!valid() || part.left < 0 || part.top < 0 || part.right > targetWidth ||
        part.bottom > targetHeight || part.width() <= 0 || part.height() <= 0) {
        return;
    }
    const uint32_t bytes = surface.bytesPerPixel();
    const int factor = targetWidth % source.width() == 0 ? targetWidth / source.width() : 0;
    // Otherwise the byte offset of the source pixel under each target column, worked out once.
    std::vector<uint32_t> columnOffset;
    if (factor == 0) {
        columnOffset.resize(std::size_t(part.width()));
        for (int i = part.left; i < part.right; ++i) {
            const int64_t column = source.left + int64_t(i) * source.width() / targetWidth;
            columnOffset[std::size_t(i - part.left)] = uint32_t(column) * bytes;
        }
    }
    const std::size_t rowBytes = std::size_t(part.width()) * sizeof(QRgb);
    int64_t previousRow = -1;
    for (int j = part.top; j < part.bottom; ++j) {
        const int64_t row = source.top + int64_t(j) * source.height() / targetHeight;
        uchar* line = pixels + (j - part.top) * stride;
        // Magnified, several window rows show one row of cells: convert it once.
        if (row == previousRow) {
            std::memcpy(line, line - stride, rowBytes);
            continue;
        }
        previousRow = row;
        const uint8_t* from = surface.row(uint32_t(row));
        auto* to = reinterpret_cast<QRgb*>(line);
        if (factor != 0) {
            writeMagnifiedRow(from + uint32_t(source.left) * bytes, bytes, factor, part.left,
                              part.right, to);
            continue;
        }
        for (std::size_t i = 0; i < columnOffset.size(); ++i) {
            to[i] = pixelAt(from + columnOffset[i]);
        }
    }
}

QImage surfaceImage(const Surface& surface, const IntRect& source, int targetWidth,
                    int targetHeight) {
    const ScaledSurface scaled{surface, source, targetWidth, targetHeight};
    if (!scaled.valid()) {
        return {};
    }
    QImage image(targetWidth, targetHeight, QImage::Format_RGB32);
    scaled.write({0, 0, targetWidth, targetHeight}, image.bits(), image.bytesPerLine());
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
