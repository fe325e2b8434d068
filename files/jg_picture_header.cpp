#include "files/jg_picture_header.h"

#include "files/channel_codec.h"

namespace dw {
namespace {

uint64_t smallestBody(const JgPictureHeader& header, JgPlanes planes) {
    if (!header.raw()) {
        return uint64_t(planes) * smallestCompressedStream(header.width, header.height);
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
