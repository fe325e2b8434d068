#include "files/jg8_file.h"

#include <cstdio>
#include <new>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/channel_codec.h"
#include "files/file_stream.h"
#include "platform/message_box.h"

namespace dw {

JgReadResult readJG8(ByteSource& source, uint64_t bytesAfterHeader, Surface& surface) {
    const auto header = readJgPictureHeader(source, bytesAfterHeader, JgPlanes::One);
    if (!header) {
        return JgReadResult::Damaged;
    }
    const uint32_t width = header->width;
    const uint32_t height = header->height;
    Surface picture;
    picture.createWithAlpha(width, height);
    LargeBuffer<uint8_t> plane;
    try {
        plane.allocate(std::size_t(width) * height);
    } catch (const std::bad_alloc&) {
        platform::showMessage("LOADJGI8: channel==NULL!", "Error");
        return JgReadResult::OutOfMemory;
    }
    if (!picture.valid()) {
        platform::showMessage("Out of memory!", "Error");
        return JgReadResult::OutOfMemory;
    }
    const bool complete = header->raw()
                              ? readExact(source, plane.data(), plane.size())
                              : ReadCompressed2(source, plane.data(), width, height,
                                                uint32_t(header->quality)) == StreamState::Complete;
    if (!complete) {
        return JgReadResult::Damaged;
    }
    // Plane rows and memory rows both run bottom-up: row r of one is row r of the other.
    for (uint32_t r = 0; r < height; ++r) {
        const uint8_t* values = plane.data() + std::size_t(r) * width;
        uint8_t* pixel = picture.bits() + std::size_t(r) * picture.stride();
        for (uint32_t x = 0; x < width; ++x, pixel += 4) {
            pixel[0] = pixel[1] = pixel[2] = values[x];
        }
    }
    surface = std::move(picture);
    return JgReadResult::Loaded;
}

bool LOADJGI8(Surface& surface, const std::string& path) {
    FileStream file;
    if (!file.open(path, FileMode::Read)) {
        return false;
    }
    const uint64_t body = file.size() > kJgHeaderSize ? file.size() - kJgHeaderSize : 0;
    switch (readJG8(file, body, surface)) {
        case JgReadResult::Loaded:
            return true;
        case JgReadResult::Damaged:
            platform::showMessage(path + " Failed to load!", "Error");
            return false;
        case JgReadResult::OutOfMemory:
            break;
    }
    return false;
}

bool writeJG8(ByteSink& sink, const Surface& surface, int32_t quality) {
    const uint32_t width = surface.width();
    const uint32_t height = surface.height();
    // Nothing is written that the reader would refuse.
    if (!surface.valid() || quality < 0 || width > kMaxJgPictureSide ||
        height > kMaxJgPictureSide) {
        return false;
    }
    LargeBuffer<uint8_t> plane;
    try {
        plane.allocate(std::size_t(width) * height);
    } catch (const std::bad_alloc&) {
        platform::showMessage("Failed to save jg8!", "Error");
        return false;
    }
    // The bottom row first: memory row r of the surface is plane row r.
    const uint32_t step = surface.bytesPerPixel();
    for (uint32_t r = 0; r < height; ++r) {
        const uint8_t* pixel = surface.bits() + std::size_t(r) * surface.stride();
        uint8_t* values = plane.data() + std::size_t(r) * width;
        for (uint32_t x = 0; x < width; ++x, pixel += step) {
            values[x] = pixel[2];
        }
    }
    if (!writeJgPictureHeader(sink, {quality, width, height})) {
        return false;
    }
    if (quality == 0) {
        return sink.write(plane.data(), plane.size());
    }
    return WriteCompressed2(sink, plane.data(), width, height, uint32_t(quality));
}

bool SaveJG8(const Surface& surface, const std::string& path, int32_t quality) {
    FileStream file;
    if (!file.open(path, FileMode::Write)) {
        return false;
    }
    if (!writeJG8(file, surface, quality) || !file.close()) {
        file.close();
        std::remove(path.c_str());  // no half picture for a later reader
        return false;
    }
    return true;
}

}  // namespace dw
