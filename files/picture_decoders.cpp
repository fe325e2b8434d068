#include "files/picture_decoders.h"

#include <new>

namespace dw {

bool decodeInProcess(PictureKind kind, std::span<const uint8_t> bytes, uint32_t maxSide,
                     Surface& surface) {
    try {
        switch (kind) {
            case PictureKind::Png:
                return decodePng(bytes, maxSide, surface);
            case PictureKind::Jpeg:
                return decodeJpeg(bytes, maxSide, surface);
            case PictureKind::Tiff:
                return decodeTiff(bytes, maxSide, surface);
            case PictureKind::WebP:
                return decodeWebP(bytes, maxSide, surface);
            case PictureKind::Gif:
                return decodeGif(bytes, maxSide, surface);
            case PictureKind::Bmp:
                return decodeBmp(bytes, maxSide, surface);
            case PictureKind::BinaryPnm:
                return decodeBinaryPnm(bytes, maxSide, surface);
            case PictureKind::OpenRaster:
                return decodeOpenRaster(bytes, maxSide, surface);
            default:
                return false;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace dw
