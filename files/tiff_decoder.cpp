#include <tiffio.h>

#include <cstring>
#include <memory>
#include <vector>

#include "files/picture_decoders.h"

namespace dw {
namespace {

// libtiff reads through these from a file held in memory.
struct MemoryFile {
    std::span<const uint8_t> bytes;
    toff_t at = 0;
};

tsize_t readMemory(thandle_t handle, tdata_t into, tsize_t size) {
    auto& file = *static_cast<MemoryFile*>(handle);
    const toff_t left = file.at < file.bytes.size() ? file.bytes.size() - file.at : 0;
    const toff_t count = std::min<toff_t>(left, toff_t(size));
    std::memcpy(into, file.bytes.data() + file.at, count);
    file.at += count;
    return tsize_t(count);
}

tsize_t refuseWrite(thandle_t, tdata_t, tsize_t) {
    return -1;
}

toff_t seekMemory(thandle_t handle, toff_t offset, int whence) {
    auto& file = *static_cast<MemoryFile*>(handle);
    const toff_t base = whence == SEEK_CUR ? file.at : whence == SEEK_END ? file.bytes.size() : 0;
    file.at = base + offset;
    return file.at;
}

int closeMemory(thandle_t) {
    return 0;
}

toff_t sizeOfMemory(thandle_t handle) {
    return static_cast<MemoryFile*>(handle)->bytes.size();
}

int refuseMap(thandle_t, tdata_t*, toff_t*) {
    return 0;
}

void noUnmap(thandle_t, tdata_t, toff_t) {}

// No picture the program holds needs one block this large; a damaged header asks for more.
constexpr tmsize_t kLargestTiffBlock = tmsize_t(1) << 30;

}  // namespace

bool decodeTiff(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows) {
    static const bool quiet = [] {
        TIFFSetErrorHandler(nullptr);
        TIFFSetWarningHandler(nullptr);
        return true;
    }();
    (void)quiet;
    MemoryFile file{bytes};
    const std::unique_ptr<TIFFOpenOptions, void (*)(TIFFOpenOptions*)> options(
        TIFFOpenOptionsAlloc(), TIFFOpenOptionsFree);
    TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), kLargestTiffBlock);
    const std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(
        TIFFClientOpenExt("picture", "rm", &file, readMemory, refuseWrite, seekMemory, closeMemory,
                          sizeOfMemory, refuseMap, noUnmap, options.get()),
        TIFFClose);
    uint32_t width = 0;
    uint32_t height = 0;
    if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) ||
        !sidesFit(width, height, maxSide)) {
        return false;
    }
    char reason[1024];
    if (!TIFFRGBAImageOK(tiff.get(), reason)) {
        return false;
    }
    // Left unfilled, so that a damaged file refused after its first strips touches little of it.
    const std::size_t count = std::size_t(width) * height;
    const auto raster = std::make_unique_for_overwrite<uint32_t[]>(count);
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, raster.get(), ORIENTATION_TOPLEFT,
                                   1)) {
        return false;
    }
    if (!rows.start(width, height)) {
        return false;
    }
    std::vector<uint8_t> row(std::size_t(width) * 3);
    for (uint32_t y = 0; y < height; ++y) {
        const uint32_t* abgr = raster.get() + std::size_t(y) * width;
        for (uint32_t x = 0; x < width; ++x) {
            row[x * 3] = uint8_t(TIFFGetR(abgr[x]));
            row[x * 3 + 1] = uint8_t(TIFFGetG(abgr[x]));
            row[x * 3 + 2] = uint8_t(TIFFGetB(abgr[x]));
        }
        rows.put(y, row.data(), 3, ChannelOrder::Rgb);
    }
    return true;
}

}  // namespace dw
