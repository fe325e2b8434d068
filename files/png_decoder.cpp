#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <vector>

#include "files/picture_decoders.h"

namespace dw {
namespace {

struct MemorySource {
    std::span<const uint8_t> bytes;
    std::size_t at = 0;
};

void readMemory(png_structp png, png_bytep into, png_size_t length) {
    auto& source = *static_cast<MemorySource*>(png_get_io_ptr(png));
    if (length > source.bytes.size() - source.at) {
        png_error(png, "read beyond end of data");
    }
    std::memcpy(into, source.bytes.data() + source.at, length);
    source.at += length;
}

void ignoreWarning(png_structp, png_const_charp) {}

[[noreturn]] void escape(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Everything that must outlive a jump out of libpng lives here, outside the jumping frame.
struct PngWork {
    png_structp png = nullptr;
    png_infop info = nullptr;
    MemorySource source;
    std::vector<uint8_t> row;

    ~PngWork() { png_destroy_read_struct(&png, &info, nullptr); }
};

enum class RowsRead { All, Failed, Interlaced };

// The transformations the simplified reader applies for 8-bit BGRA, in its order, so that the
// rows hold the very bytes it gives: 16-bit samples are taken as linear light unless the file
// says otherwise, and any gamma the file declares is brought to sRGB.
void askForBgra(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info);
    const bool sixteen = png_get_bit_depth(png, info) == 16;
    const bool alpha = (type & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    png_set_expand(png);
    if (!(type & PNG_COLOR_MASK_COLOR)) {
        png_set_gray_to_rgb(png);
    }
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, sixteen ? PNG_GAMMA_LINEAR : PNG_DEFAULT_sRGB);
    if (sixteen) {
        png_set_scale_16(png);
    }
    if (!alpha) {
        png_set_add_alpha(png, 255, PNG_FILLER_AFTER);
    }
    png_set_alpha_mode_fixed(png, PNG_ALPHA_PNG, PNG_DEFAULT_sRGB);
    png_set_bgr(png);
}

// An 8-bit colour file that declares no gamma, colour space or transparency comes out of the
// transformations above with its samples as stored: its rows are taken as they are, which
// spares libpng a pass over each of them.
bool storedRowsWillDo(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info);
    return png_get_bit_depth(png, info) == 8 &&
           (type == PNG_COLOR_TYPE_RGB || type == PNG_COLOR_TYPE_RGB_ALPHA) &&
           !png_get_valid(
               png, info,
               PNG_INFO_gAMA | PNG_INFO_sRGB | PNG_INFO_iCCP | PNG_INFO_cHRM | PNG_INFO_tRNS);
}

RowsRead readRows(PngWork& work, uint32_t maxSide, PixelRows& rows) {
    png_structp png = work.png;
    png_infop info = work.info;
    if (setjmp(png_jmpbuf(png))) {
        return RowsRead::Failed;
    }
    png_set_read_fn(png, &work.source, readMemory);
    png_set_benign_errors(png, 1);
    png_read_info(png, info);
    const uint32_t width = png_get_image_width(png, info);
    const uint32_t height = png_get_image_height(png, info);
    if (!sidesFit(width, height, maxSide)) {
        return RowsRead::Failed;
    }
    if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) {
        return RowsRead::Interlaced;
    }
    const bool stored = storedRowsWillDo(png, info);
    if (!stored) {
        askForBgra(png, info);
    }
    png_read_update_info(png, info);
    const uint32_t bytesPerPixel = png_get_channels(png, info);
    const ChannelOrder order = stored ? ChannelOrder::Rgb : ChannelOrder::Bgr;
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) ||
        png_get_rowbytes(png, info) != std::size_t(width) * bytesPerPixel ||
        !rows.start(width, height)) {
        return RowsRead::Failed;
    }
    work.row.resize(std::size_t(width) * bytesPerPixel);
    for (uint32_t y = 0; y < height; ++y) {
        uint8_t* row = rows.placeForRow(y, bytesPerPixel, order);
        row = row ? row : work.row.data();
        png_read_row(png, row, nullptr);
        rows.put(y, row, bytesPerPixel, order);
    }
    return RowsRead::All;
}

// An interlaced picture is complete only after its last pass: the simplified reader takes it
// whole.
bool readWhole(std::span<const uint8_t> bytes, PixelRows& rows) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return false;  // libpng has freed what it held
    }
    image.format = PNG_FORMAT_BGRA;
    // Counted in size_t: libpng's own size macro wraps at 4 GiB, which 32768 x 32768 reaches.
    // Left unfilled, so that a damaged file refused after its first rows touches little of it.
    const auto pixels =
        std::make_unique_for_overwrite<uint8_t[]>(std::size_t(image.width) * image.height * 4);
    return png_image_finish_read(&image, nullptr, pixels.get(), 0, nullptr) &&
           putPixels(rows, pixels.get(), image.width, image.height, 4, ChannelOrder::Bgr);
}

}  // namespace

bool decodePng(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows) {
    RowsRead read = RowsRead::Failed;
    {
        PngWork work;
        work.source.bytes = bytes;
        work.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, escape, ignoreWarning);
        work.info = work.png ? png_create_info_struct(work.png) : nullptr;
        if (!work.info) {
            return false;
        }
        read = readRows(work, maxSide, rows);
    }
    return read == RowsRead::All || (read == RowsRead::Interlaced && readWhole(bytes, rows));
}

}  // namespace dw
