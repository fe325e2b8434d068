#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "canvas/surface.h"
#include "files/picture_encoders.h"

namespace dw {
namespace {

// libtiff writes through these into a file held in memory; it seeks back to patch offsets.
struct GrowingFile {
    std::vector<uint8_t> bytes;
    toff_t at = 0;
};

GrowingFile& fileOf(thandle_t handle) {
    return *static_cast<GrowingFile*>(handle);
}

tsize_t readGrowing(thandle_t handle, tdata_t into, tsize_t size) {
    GrowingFile& file = fileOf(handle);
    const toff_t left = file.at < file.bytes.size() ? file.bytes.size() - file.at : 0;
    const toff_t count = std::min<toff_t>(left, toff_t(size));
    std::memcpy(into, file.bytes.data() + file.at, count);
    file.at += count;
    return tsize_t(count);
}

tsize_t writeGrowing(thandle_t handle, tdata_t from, tsize_t size) {
    GrowingFile& file = fileOf(handle);
    try {
        if (file.at + toff_t(size) > file.bytes.size()) {
            file.bytes.resize(file.at + toff_t(size));
        }
    } catch (const std::bad_alloc&) {
        return -1;
    }
    std::memcpy(file.bytes.data() + file.at, from, std::size_t(size));
    file.at += toff_t(size);
    return size;
}

toff_t seekGrowing(thandle_t handle, toff_t offset, int whence) {
    GrowingFile& file = fileOf(handle);
    const toff_t base = whence == SEEK_CUR ? file.at : whence == SEEK_END ? file.bytes.size() : 0;
    file.at = base + offset;
    return file.at;
}

int closeGrowing(thandle_t) {
    return 0;
}

toff_t sizeOfGrowing(thandle_t handle) {
    return fileOf(handle).bytes.size();
}

int refuseMap(thandle_t, tdata_t*, toff_t*) {
    return 0;
}

void noUnmap(thandle_t, tdata_t, toff_t) {}

bool writeRows(TIFF* tiff, const Surface& surface) {
    const uint32_t width = surface.width();
    const uint32_t height = surface.height();
    if (!TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width) ||
        !TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, height) ||
        !TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3) ||
        !TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) ||
        !TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) ||
        !TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) ||
        !TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) ||
        !TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_LZW) ||
        !TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0))) {
        return false;
    }
    std::vector<uint8_t> spare;
    std::vector<uint8_t> rgb(std::size_t(width) * 3);
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* bgr = bgrRow(surface, y, spare);
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = bgr[i + 2];
            rgb[i + 1] = bgr[i + 1];
            rgb[i + 2] = bgr[i];
        }
        if (TIFFWriteScanline(tiff, rgb.data(), y, 0) != 1) {
            return false;
        }
    }
    return TIFFFlush(tiff) == 1;
}

}  // namespace

std::optional<std::vector<uint8_t>> encodeTiff(const Surface& surface) {
    static const bool quiet = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)quiet;
    if (!surface.valid()) {
        return std::nullopt;
    }
    GrowingFile file;
    TIFF* tiff = TIFFClientOpen("picture", "w", &file, readGrowing, writeGrowing, seekGrowing,
                                closeGrowing, sizeOfGrowing, refuseMap, noUnmap);
    if (!tiff) {
        return std::nullopt;
    }
    bool written = false;
    try {
        written = writeRows(tiff, surface);
    } catch (const std::bad_alloc&) {
    }
    TIFFClose(tiff);
    return written ? std::optional(std::move(file.bytes)) : std::nullopt;
}

}  // namespace dw
