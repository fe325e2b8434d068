#include <png.h>

#include <csetjmp>
#include <memory>
#include <new>

#include "canvas/surface.h"
#include "files/picture_encoders.h"

namespace dw {
namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto& bytes = *static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        bytes.insert(bytes.end(), data, data + length);
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    if (!stored) {
        png_error(png, "out of memory");  // jumps; no exception may cross libpng
    }
}

void nothingToFlush(png_structp) {}

// Everything that must outlive a jump out of libpng lives here, outside the jumping frame.
struct PngWork {
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> spare;
};

bool encode(PngWork& work, const Surface& surface) {
    if (setjmp(png_jmpbuf(work.png))) {
        return false;
    }
    png_set_write_fn(work.png, &work.bytes, append, nothingToFlush);
    png_set_IHDR(work.png, work.info, surface.width(), surface.height(), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(work.png, work.info);
    png_set_bgr(work.png);
    for (uint32_t y = 0; y < surface.height(); ++y) {
        png_write_row(work.png, bgrRow(surface, y, work.spare));
    }
    png_write_end(work.png, work.info);
    return true;
}

}  // namespace

std::optional<std::vector<uint8_t>> encodePng(const Surface& surface) {
    if (!surface.valid()) {
        return std::nullopt;
    }
    PngWork work;
    work.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    work.info = work.png ? png_create_info_struct(work.png) : nullptr;
    const bool encoded = work.info && encode(work, surface);
    png_destroy_write_struct(&work.png, &work.info);
    return encoded ? std::optional(std::move(work.bytes)) : std::nullopt;
}

}  // namespace dw
