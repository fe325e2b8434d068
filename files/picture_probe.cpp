#include "files/picture_probe.h"

#include <webp/decode.h>

#include <cstring>

#include "files/file_stream.h"

namespace dw {
namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t loadBE32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

uint16_t loadBE16(const uint8_t* p) {
    return uint16_t(p[0] << 8 | p[1]);
}

std::optional<PictureSize> sized(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0 || width > UINT32_MAX || height > UINT32_MAX) {
        return std::nullopt;
    }
    return PictureSize{uint32_t(width), uint32_t(height)};
}

std::optional<PictureSize> pngSize(ByteSource& source) {
    // Signature (already taken), then IHDR: length, type, width, height.
    uint8_t ihdr[16];
    if (!readExact(source, ihdr, sizeof ihdr) || std::memcmp(ihdr + 4, "IHDR", 4) != 0) {
        return std::nullopt;
    }
    return sized(loadBE32(ihdr + 8), loadBE32(ihdr + 12));
}

std::optional<PictureSize> bmpSize(ByteSource& source, const uint8_t* head) {
    uint8_t info[12];
    if (!readExact(source, info, sizeof info)) {
        return std::nullopt;
    }
    const uint32_t infoSize = loadLE32(head + 14);
    if (infoSize == 12) {  // the old core header: 16-bit sides
        return sized(info[0] | info[1] << 8, info[2] | info[3] << 8);
    }
    const auto height = int64_t(int32_t(loadLE32(info + 4)));
    return sized(int32_t(loadLE32(info)), height < 0 ? -height : height);  // negative: top-down
}

std::optional<PictureSize> jpegSize(ByteSource& source) {
    // Walk the marker segments up to the frame header; the scan data comes after it.
    for (int segments = 0; segments < 4096; ++segments) {
        uint8_t marker[4];
        if (!readExact(source, marker, 2) || marker[0] != 0xFF) {
            return std::nullopt;
        }
        while (marker[1] == 0xFF) {  // fill bytes
            if (!readExact(source, marker + 1, 1)) {
                return std::nullopt;
            }
        }
        const uint8_t type = marker[1];
        if ((type >= 0xD0 && type <= 0xD7) || type == 0x01) {
            continue;  // no length follows
        }
        if (type == 0xDA || type == 0xD9 || !readExact(source, marker + 2, 2)) {
            return std::nullopt;  // scan data or the end before any frame header
        }
        const uint16_t length = loadBE16(marker + 2);
        if (length < 2) {
            return std::nullopt;
        }
        const bool frame =
            type >= 0xC0 && type <= 0xCF && type != 0xC4 && type != 0xC8 && type != 0xCC;
        if (frame) {
            uint8_t header[5];
            if (length < 7 || !readExact(source, header, sizeof header)) {
                return std::nullopt;
            }
            return sized(loadBE16(header + 3), loadBE16(header + 1));
        }
        if (!source.skip(length - 2u)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<PictureSize> tiffSize(ByteSource& source, const uint8_t* head) {
    const bool big = head[0] == 'M';
    auto u16 = [big](const uint8_t* p) { return big ? loadBE16(p) : uint16_t(p[0] | p[1] << 8); };
    auto u32 = [big](const uint8_t* p) { return big ? loadBE32(p) : loadLE32(p); };
    const uint32_t firstDirectory = u32(head + 4);
    if (firstDirectory < 8 || !source.skip(firstDirectory - 8u)) {
        return std::nullopt;
    }
    uint8_t count[2];
    if (!readExact(source, count, 2)) {
        return std::nullopt;
    }
    int64_t width = -1;
    int64_t height = -1;
    for (uint16_t i = 0, n = u16(count); i < n; ++i) {
        uint8_t entry[12];
        if (!readExact(source, entry, sizeof entry)) {
            return std::nullopt;
        }
        const uint16_t tag = u16(entry);
        const uint16_t type = u16(entry + 2);
        const int64_t value = type == 3 ? u16(entry + 8) : (type == 4 ? u32(entry + 8) : -1);
        if (tag == 256) {
            width = value;
        } else if (tag == 257) {
            height = value;
        }
    }
    return sized(width, height);
}

// The RIFF header (already taken) and the first chunk's header; libwebp reads the size.
std::optional<PictureSize> webpSize(ByteSource& source, const uint8_t* head) {
    uint8_t start[64];
    std::memcpy(start, head, 12);
    const std::size_t length = 12 + source.read(start + 12, sizeof start - 12);
    int width = 0;
    int height = 0;
    if (!WebPGetInfo(start, length, &width, &height)) {
        return std::nullopt;
    }
    return sized(width, height);
}

}  // namespace

std::optional<PictureSize> probePictureSize(ByteSource& source) {
    // Long enough for every kind's first fixed part: PNG's signature, BMP's file header and
    // the info header's size, TIFF's byte order and first directory offset.
    uint8_t head[18];
    if (!readExact(source, head, 2)) {
        return std::nullopt;
    }
    if (head[0] == 0xFF && head[1] == 0xD8) {
        return jpegSize(source);
    }
    if (!readExact(source, head + 2, 6)) {
        return std::nullopt;
    }
    if (std::memcmp(head, kPngSignature, 8) == 0) {
        return pngSize(source);
    }
    const bool tiff = (std::memcmp(head, "II*\0", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0);
    if (tiff) {
        return tiffSize(source, head);
    }
    if (head[0] == 'B' && head[1] == 'M' && readExact(source, head + 8, 10)) {
        return bmpSize(source, head);
    }
    const bool gif = std::memcmp(head, "GIF87", 5) == 0 || std::memcmp(head, "GIF89", 5) == 0;
    if (gif && readExact(source, head + 8, 2)) {  // the logical screen's width and height
        return sized(head[6] | head[7] << 8, head[8] | head[9] << 8);
    }
    if (std::memcmp(head, "RIFF", 4) == 0 && readExact(source, head + 8, 4) &&
        std::memcmp(head + 8, "WEBP", 4) == 0) {
        return webpSize(source, head);
    }
    return std::nullopt;
}

std::optional<PictureSize> probePictureSize(const std::string& path) {
    FileStream file;
    if (!file.open(path, FileMode::Read)) {
        return std::nullopt;
    }
    return probePictureSize(file);
}

}  // namespace dw
