#include "files/picture_decoders.h"

#include <new>

#include "canvas/surface.h"
#include "files/surface_rows.h"

namespace dw {
namespace {

using RowDecoder = bool (*)(std::span<const uint8_t>, uint32_t, PixelRows&);
using SurfaceDecoder = bool (*)(std::span<const uint8_t>, uint32_t, Surface&);

bool decodeToSurface(RowDecoder decode, std::span<const uint8_t> bytes, uint32_t maxSide,
                     Surface& surface) {
    SurfaceRows rows;
    return decode(bytes, maxSide, rows) && rows.moveTo(surface);
}

bool decodeToRows(SurfaceDecoder decode, std::span<const uint8_t> bytes, uint32_t maxSide,
                  PixelRows& rows) {
    Surface picture;
    return decode(bytes, maxSide, picture) && rows.take(std::move(picture));
}

}  // namespace

bool decodePng(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    return decodeToSurface(decodePng, bytes, maxSide, surface);
}

bool decodeJpeg(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    return decodeToSurface(decodeJpeg, bytes, maxSide, surface);
}

bool decodeInProcess(PictureKind kind, std::span<const uint8_t> bytes, uint32_t maxSide,
                     PixelRows& rows) {
    try {
        switch (kind) {
            case PictureKind::Png:
                return decodePng(bytes, maxSide, rows);
            case PictureKind::Jpeg:
                return decodeJpeg(bytes, maxSide, rows);
            case PictureKind::Tiff:
                return decodeTiff(bytes, maxSide, rows);
            case PictureKind::WebP:
                return decodeWebP(bytes, maxSide, rows);
            case PictureKind::Gif:
                return decodeGif(bytes, maxSide, rows);
            case PictureKind::Bmp:
                return decodeToRows(decodeBmp, bytes, maxSide, rows);
            case PictureKind::BinaryPnm:
                return decodeToRows(decodeBinaryPnm, bytes, maxSide, rows);
            case PictureKind::OpenRaster:
                return decodeToRows(decodeOpenRaster, bytes, maxSide, rows);
            default:
                return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace dw
