#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

#include "canvas/surface.h"
#include "files/jpeg_errors.h"
#include "files/picture_encoders.h"

namespace dw {
namespace {

// Everything that must outlive a jump out of libjpeg lives here, outside the jumping frame.
struct JpegWork {
    jpeg_compress_struct info{};
    JpegErrors errors{};
    unsigned char* bytes = nullptr;  // libjpeg's, grown as it writes
    unsigned long size = 0;
    std::vector<uint8_t> spare;
};

bool encode(JpegWork& work, const Surface& surface, int quality) {
    jpeg_compress_struct& info = work.info;
    if (setjmp(work.errors.escape)) {
        return false;
    }
    jpeg_mem_dest(&info, &work.bytes, &work.size);
    info.image_width = surface.width();
    info.image_height = surface.height();
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (uint32_t y = 0; y < surface.height(); ++y) {
        // libjpeg takes rows as writable but only reads them.
        JSAMPROW row = const_cast<uint8_t*>(bgrRow(surface, y, work.spare));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> encodeJpeg(const Surface& surface, int quality) {
    if (!surface.valid() || surface.width() > JPEG_MAX_DIMENSION ||
        surface.height() > JPEG_MAX_DIMENSION) {
        return std::nullopt;
    }
    const auto work = std::make_unique<JpegWork>();
    work->info.err = work->errors.install();
    jpeg_create_compress(&work->info);
    const bool encoded = encode(*work, surface, quality);
    jpeg_destroy_compress(&work->info);
    std::optional<std::vector<uint8_t>> file;
    if (encoded) {
        file.emplace(work->bytes, work->bytes + work->size);
    }
    std::free(work->bytes);
    return file;
}

}  // namespace dw
