#include "files/jgi_file.h"

#include <new>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/channel_codec.h"
#include "files/file_stream.h"
#include "platform/message_box.h"

namespace dw {
namespace {

bool readPlanes(ByteSource& source, const JgPictureHeader& header, Surface& picture) {
    const uint32_t width = header.width;
    const uint32_t height = header.height;
    LargeBuffer<uint8_t> plane(std::size_t(width) * height);
    for (int channel = 0; channel < 3; ++channel) {  // blue, green, red: pixel byte order
        if (ReadCompressed2(source, plane.data(), width, height, uint32_t(header.quality)) !=
            StreamState::Complete) {
            return false;
        }
        for (uint32_t r = 0; r < height; ++r) {
            const uint8_t* values = plane.data() + std::size_t(r) * width;
            uint8_t* pixel = picture.bits() + std::size_t(r) * picture.stride() + channel;
            for (uint32_t x = 0; x < width; ++x, pixel += 3) {
                *pixel = values[x];
            }
        }
    }
    return true;
}

}  // namespace

JgReadResult readJGI(ByteSource& source, uint64_t bytesAfterHeader, Surface& surface) {
    const auto header = readJgPictureHeader(source, bytesAfterHeader, JgPlanes::Three);
    if (!header) {
        return JgReadResult::Damaged;
    }
    Surface picture;
    picture.create(header->width, header->height);
    if (!picture.valid()) {
        return JgReadResult::OutOfMemory;
    }
    bool complete = false;
    if (header->raw()) {
        complete = readExact(source, picture.bits(), picture.byteSize());
    } else {
        try {
            complete = readPlanes(source, *header, picture);
        } catch (const std::bad_alloc&) {
            return JgReadResult::OutOfMemory;
        }
    }
    if (!complete) {
        return JgReadResult::Damaged;
    }
    surface = std::move(picture);
    return JgReadResult::Loaded;
}

bool LoadJGI(Surface& surface, const std::string& path) {
    FileStream file;
    const bool loaded = file.open(path, FileMode::Read) &&
                        readJGI(file, file.size() > kJgHeaderSize ? file.size() - kJgHeaderSize : 0,
                                surface) == JgReadResult::Loaded;
    if (!loaded) {
        platform::showMessage("JGI could not load!", "Error");
    }
    return loaded;
}

}  // namespace dw
