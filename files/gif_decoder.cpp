#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "files/picture_decoders.h"

namespace dw {
namespace {

struct MemoryFile {
    std::span<const uint8_t> bytes;
    std::size_t at = 0;
};

int readMemory(GifFileType* gif, GifByteType* into, int size) {
    auto& file = *static_cast<MemoryFile*>(gif->UserData);
    const std::size_t count = std::min(file.bytes.size() - file.at, std::size_t(size));
    std::memcpy(into, file.bytes.data() + file.at, count);
    file.at += count;
    return int(count);
}

void closeGif(GifFileType* gif) {
    int error = 0;
    DGifCloseFile(gif, &error);
}

using Gif = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

// Skips an extension, noting the transparent colour of a graphic control block.
bool readExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
        return false;
    }
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4 && (block[1] & 1)) {
        transparent = block[4];
    }
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
            return false;
        }
    }
    return true;
}

struct Colour {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
};

// The first image onto the logical screen, which shows the background colour elsewhere and
// through the image's transparent pixels.
bool readFirstImage(GifFileType* gif, int transparent, std::vector<Colour>& screen) {
    if (DGifGetImageDesc(gif) != GIF_OK) {
        return false;
    }
    const GifImageDesc& image = gif->Image;
    const ColorMapObject* map = image.ColorMap ? image.ColorMap : gif->SColorMap;
    if (!map || image.Width <= 0 || image.Height <= 0) {
        return false;
    }
    std::vector<GifPixelType> line(std::size_t(image.Width));
    static constexpr int kPassStart[] = {0, 4, 2, 1};
    static constexpr int kPassStep[] = {8, 8, 4, 2};
    const int passes = image.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int step = image.Interlace ? kPassStep[pass] : 1;
        for (int row = image.Interlace ? kPassStart[pass] : 0; row < image.Height; row += step) {
            if (DGifGetLine(gif, line.data(), image.Width) != GIF_OK) {
                return false;
            }
            const int y = image.Top + row;
            if (y >= gif->SHeight) {
                continue;
            }
            Colour* target = screen.data() + std::size_t(y) * std::size_t(gif->SWidth);
            const int columns = std::min(image.Width, gif->SWidth - image.Left);
            for (int x = 0; x < columns; ++x) {
                const int index = line[std::size_t(x)];
                if (index != transparent && index < map->ColorCount) {
                    const GifColorType& c = map->Colors[index];
                    target[image.Left + x] = {c.Blue, c.Green, c.Red};
                }
            }
        }
    }
    return true;
}

}  // namespace

bool decodeGif(std::span<const uint8_t> bytes, uint32_t maxSide, PixelRows& rows) {
    MemoryFile file{bytes};
    int error = 0;
    const Gif gif(DGifOpen(&file, readMemory, &error), closeGif);
    // An LZW code of at least 3 bits stands for at most 4096 pixels: a picture larger than the
    // file could fill is refused before its screen is allocated.
    if (!gif || !sidesFit(gif->SWidth, gif->SHeight, maxSide) ||
        uint64_t(gif->SWidth) * uint64_t(gif->SHeight) > bytes.size() * 8 / 3 * 4096) {
        return false;
    }
    Colour background;
    const ColorMapObject* global = gif->SColorMap;
    if (global && gif->SBackGroundColor < global->ColorCount) {
        const GifColorType& c = global->Colors[gif->SBackGroundColor];
        background = {c.Blue, c.Green, c.Red};
    }
    std::vector<Colour> screen(std::size_t(gif->SWidth) * std::size_t(gif->SHeight), background);
    int transparent = -1;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) != GIF_OK || record == TERMINATE_RECORD_TYPE) {
            return false;  // no image before the end
        }
        if (record == EXTENSION_RECORD_TYPE && !readExtension(gif.get(), transparent)) {
            return false;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            break;
        }
    }
    if (!readFirstImage(gif.get(), transparent, screen)) {
        return false;
    }
    static_assert(sizeof(Colour) == 3);
    return putPixels(rows, reinterpret_cast<const uint8_t*>(screen.data()), uint32_t(gif->SWidth),
                     uint32_t(gif->SHeight), 3, ChannelOrder::Bgr);
}

}  // namespace dw
