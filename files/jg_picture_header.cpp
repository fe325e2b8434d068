#include "files/jg_picture_header.h"

namespace dw {
namespace {

// The codec pads the plane to one block column and row more than width / 4 and height / 4;
// every block costs at least a 4-bit code and an 8-bit value.
uint64_t smallestCodecStream(uint32_t width, uint32_t height) {
    const uint64_t blocks = (uint64_t(width) / 4 + 1) * (uint64_t(height) / 4 + 1);
    return 4 + (blocks * 12 + 7) / 8;
}

uint64_t smallestBody(const JgPictureHeader& header, JgPlanes planes) {
    if (!header.raw()) {
        return uint64_t(planes) * smallestCodecStream(header.width, header.height);
    }
    if (planes == JgPlanes::One) {
        return uint64_t(header.width) * header.height;
    }
    return jgiRowBytes(header.width) * header.height;
}

}  // namespace

std::optional<JgPictureHeader> readJgPictureHeader(ByteSource& source, uint64_t bytesAfterHeader,
                                                   JgPlanes planes) {
    int32_t quality = 0;
    int32_t width = 0;
    int32_t height = 0;
    if (!readI32(source, quality) || !readI32(source, width) || !readI32(source, height)) {
        return std::nullopt;
    }
    if (quality < 0 || width <= 0 || height <= 0 || uint32_t(width) > kMaxJgPictureSide ||
        uint32_t(height) > kMaxJgPictureSide) {
        return std::nullopt;
    }
    const JgPictureHeader header{quality, uint32_t(width), uint32_t(height)};
    if (smallestBody(header, planes) > bytesAfterHeader) {
        return std::nullopt;
    }
    return header;
}

bool writeJgPictureHeader(ByteSink& sink, const JgPictureHeader& header) {
    return writeI32(sink, header.quality) && writeI32(sink, int32_t(header.width)) &&
           writeI32(sink, int32_t(header.height));
}

}  // namespace dw
