#include "files/devil_decoding.h"

#include <IL/il.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "canvas/surface.h"
#include "files/devil_library.h"
#include "files/fenced_decoding.h"

namespace dw {
namespace {

// No picture file the program can hold comes near this.
constexpr std::size_t kLargestInput = std::size_t(1) << 30;

ILenum devilType(PictureKind kind) {
    switch (kind) {
        case PictureKind::OtherPnm:
            return IL_PNM;
        case PictureKind::Tga:
            return IL_TGA;
        case PictureKind::Psd:
            return IL_PSD;
        case PictureKind::Pcx:
            return IL_PCX;
        case PictureKind::Sgi:
            return IL_SGI;
        case PictureKind::Icon:
            return IL_ICO;
        case PictureKind::AppleIcon:
            return IL_ICNS;
        case PictureKind::Dds:
            return IL_DDS;
        case PictureKind::Radiance:
            return IL_HDR;
        case PictureKind::SoftimagePic:
            return IL_PIC;
        case PictureKind::Xpm:
            return IL_XPM;
        default:
            return IL_TYPE_UNKNOWN;
    }
}

bool readAll(int input, std::vector<uint8_t>& bytes) {
    uint8_t block[1 << 16];
    for (;;) {
        const ssize_t got = read(input, block, sizeof block);
        if (got == 0) {
            return true;
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || bytes.size() + std::size_t(got) > kLargestInput) {
            return false;
        }
        bytes.insert(bytes.end(), block, block + got);
    }
}

bool writeAll(int output, const void* data, std::size_t size) {
    const auto* at = static_cast<const uint8_t*>(data);
    while (size > 0) {
        const ssize_t put = write(output, at, size);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        at += put;
        size -= std::size_t(put);
    }
    return true;
}

}  // namespace

int decodeWithDevil(int input, int output, PictureKind kind) {
    std::vector<uint8_t> bytes;
    const ILenum type = devilType(kind);
    if (type == IL_TYPE_UNKNOWN || !readAll(input, bytes) || bytes.empty()) {
        return 1;
    }
    BoundDevilImage image;
    if (!ilLoadL(type, bytes.data(), ILuint(bytes.size()))) {
        return 1;
    }
    bytes = {};
    const ILint width = ilGetInteger(IL_IMAGE_WIDTH);
    const ILint height = ilGetInteger(IL_IMAGE_HEIGHT);
    if (width <= 0 || height <= 0 || uint32_t(width) > Surface::kMaxSide ||
        uint32_t(height) > Surface::kMaxSide) {
        return 1;
    }
    std::vector<uint8_t> pixels(std::size_t(width) * std::size_t(height) * 3);
    // Unsigned bytes: DevIL 1.7.8 returns wrong values when asked for IL_BYTE.
    if (ilCopyPixels(0, 0, 0, ILuint(width), ILuint(height), 1, IL_RGB, IL_UNSIGNED_BYTE,
                     pixels.data()) == 0) {
        return 1;
    }
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
        std::swap(pixels[i], pixels[i + 2]);
    }
    FencedPictureHeader header;
    header.width = uint32_t(width);
    header.height = uint32_t(height);
    return writeAll(output, &header, sizeof header) &&
                   writeAll(output, pixels.data(), pixels.size())
               ? 0
               : 1;
}

}  // namespace dw
