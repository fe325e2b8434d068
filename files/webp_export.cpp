#include "files/webp_export.h"

#include <webp/encode.h>

#include <memory>
#include <new>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/safe_file_writer.h"

namespace dw {

bool WriteWebPFile(const Surface& surface, const std::string& path) {
    if (!surface.valid() || surface.width() > WEBP_MAX_DIMENSION ||
        surface.height() > WEBP_MAX_DIMENSION) {
        return false;
    }
    const uint32_t width = surface.width();
    const uint32_t height = surface.height();
    LargeBuffer<uint8_t> rows;
    try {
        rows.allocate(std::size_t(width) * height * 3);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // WebP takes packed rows from the top; the surface pads its rows and keeps them bottom-up.
    const uint32_t step = surface.bytesPerPixel();
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* source = surface.row(y);
        uint8_t* target = rows.data() + std::size_t(y) * width * 3;
        for (uint32_t x = 0; x < width; ++x, source += step, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
    uint8_t* encoded = nullptr;
    const std::size_t size =
        WebPEncodeLosslessBGR(rows.data(), int(width), int(height), int(width * 3), &encoded);
    const std::unique_ptr<uint8_t, void (*)(void*)> owned(encoded, WebPFree);
    SafeFileWriter writer;
    return size > 0 && writer.begin(path) && writer.stream().write(encoded, size) &&
           writer.commit();
}

}  // namespace dw
