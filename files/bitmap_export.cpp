#include "files/bitmap_export.h"

#include "canvas/surface.h"
#include "files/byte_stream.h"
#include "files/safe_file_writer.h"

namespace dw {

bool WriteBitmapFile(const Surface& surface, const std::string& path) {
    if (!surface.valid() || surface.bytesPerPixel() != 3) {
        return false;
    }
    const uint64_t pixelBytes = uint64_t(surface.stride()) * surface.height();
    uint8_t header[54] = {};
    header[0] = 'B';
    header[1] = 'M';
    storeLE32(header + 2, uint32_t(pixelBytes + 54));
    storeLE32(header + 10, 54);
    storeLE32(header + 14, 40);
    storeLE32(header + 18, surface.width());
    storeLE32(header + 22, surface.height());
    storeLE16(header + 26, 1);
    storeLE16(header + 28, 24);
    SafeFileWriter writer;
    return writer.begin(path) && writer.stream().write(header, sizeof header) &&
           writer.stream().write(surface.bits(), pixelBytes) && writer.commit();
}

}  // namespace dw
