#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

#include <jpeglib.h>

#include "files/jpeg_errors.h"
#include "files/picture_decoders.h"

namespace dw {
namespace {

// Ink amounts to light; Adobe's files store them inverted.
void cmykToBgr(const uint8_t* ink, uint32_t width, bool inverted, uint8_t* target) {
    for (uint32_t x = 0; x < width; ++x, ink += 4, target += 3) {
        const uint32_t k = inverted ? ink[3] : 255u - ink[3];
        for (int c = 0; c < 3; ++c) {
            const uint32_t colour = inverted ? ink[c] : 255u - ink[c];
            target[2 - c] = uint8_t(colour * k / 255u);
        }
    }
}

// Everything that must outlive a jump out of libjpeg lives here, outside the jumping frame.
struct JpegWork {
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    std::vector<uint8_t> row;
    std::vector<uint8_t> inkRow;
    uint64_t size = 0;
};

bool decode(JpegWork& work, uint32_t maxSide, PixelRows& rows) {
    jpeg_decompress_struct& info = work.info;
    if (setjmp(work.errors.escape)) {
        return false;
    }
    jpeg_read_header(&info, TRUE);
    // Every 8 x 8 block of a Huffman-coded picture takes at least one bit: a picture larger
    // than the file could describe is refused before libjpeg makes up the missing rows.
    const uint64_t blocks = uint64_t(info.image_width + 7) / 8 * ((info.image_height + 7) / 8);
    if (!sidesFit(info.image_width, info.image_height, maxSide) ||
        (!info.arith_code && blocks > work.size * 8)) {
        return false;
    }
    const bool ink = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = ink ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    if (!rows.start(info.output_width, info.output_height)) {
        return false;
    }
    work.row.resize(std::size_t(info.output_width) * 3);
    work.inkRow.resize(ink ? std::size_t(info.output_width) * 4 : 0);
    while (info.output_scanline < info.output_height) {
        const uint32_t y = info.output_scanline;
        uint8_t* place = rows.placeForRow(y, 3, ChannelOrder::Bgr);
        place = place ? place : work.row.data();
        JSAMPROW row = ink ? work.inkRow.data() : place;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            return false;
        }
        if (ink) {
            cmykToBgr(work.inkRow.data(), info.output_width, info.saw_Adobe_marker, place);
        }
        rows.put(y, place, 3, ChannelOrder::Bgr);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

bool decodeJpeg(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows) {
    const auto work = std::make_unique<JpegWork>();
    work->info.err = work->errors.install();
    jpeg_create_decompress(&work->info);
    jpeg_mem_src(&work->info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    work->size = bytes.size();
    const bool decoded = decode(*work, maxSide, rows);
    jpeg_destroy_decompress(&work->info);
    return decoded;
}

}  // namespace dw
