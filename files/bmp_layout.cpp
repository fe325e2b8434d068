#include "files/bmp_layout.h"

#include <algorithm>
#include <bit>

#include "files/byte_stream.h"
#include "files/decoded_pixels.h"

namespace dw {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;

// A run-length pair covers at most 255 pixels; a stream that would have to cover more per byte
// than that is not worth a picture of its claimed size.
constexpr uint64_t kMostPixelsPerCodedByte = 128;

enum Compression : uint32_t {
    kPlain = 0,
    kRunLength8 = 1,
    kRunLength4 = 2,
    kBitFields = 3,  // OS/2: Huffman coding, which nobody writes
    kJpeg = 4,       // OS/2: 24-bit run lengths
    kPng = 5,
    kAlphaBitFields = 6,
};

bool isWindowsHeader(uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool isOs2Header(uint32_t size) {
    return size >= 16 && size <= 64 && !isWindowsHeader(size);
}

uint16_t loadLE16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}

std::optional<BmpChannel> channelOf(uint32_t mask) {
    if (mask == 0) {
        return BmpChannel{};  // the channel is left dark
    }
    const uint32_t shift = uint32_t(std::countr_zero(mask));
    const uint32_t bits = uint32_t(std::popcount(mask));
    if (std::countr_one(mask >> shift) != int(bits)) {
        return std::nullopt;  // bits apart from one another
    }
    return BmpChannel{mask, shift, bits};
}

struct Header {
    uint32_t size = 0;
    int64_t width = 0;
    int64_t height = 0;
    uint32_t planes = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = kPlain;
    uint32_t dataSize = 0;
    uint32_t coloursUsed = 0;
};

std::optional<Header> readHeader(std::span<const uint8_t> bytes) {
    if (bytes.size() < kFileHeaderBytes + kCoreHeaderBytes || bytes[0] != 'B' || bytes[1] != 'M') {
        return std::nullopt;
    }
    Header header;
    header.size = loadLE32(bytes.data() + kFileHeaderBytes);
    if ((header.size != kCoreHeaderBytes && !isWindowsHeader(header.size) &&
         !isOs2Header(header.size)) ||
        kFileHeaderBytes + header.size > bytes.size()) {
        return std::nullopt;
    }
    const uint8_t* h = bytes.data() + kFileHeaderBytes;
    if (header.size == kCoreHeaderBytes) {
        header.width = loadLE16(h + 4);
        header.height = loadLE16(h + 6);
        header.planes = loadLE16(h + 8);
        header.bitsPerPixel = loadLE16(h + 10);
        return header;
    }
    header.width = int32_t(loadLE32(h + 4));
    header.height = int32_t(loadLE32(h + 8));
    header.planes = loadLE16(h + 12);
    header.bitsPerPixel = loadLE16(h + 14);
    // OS/2 may end its header after any field; what is left out is zero.
    header.compression = header.size >= 20 ? loadLE32(h + 16) : kPlain;
    header.dataSize = header.size >= 24 ? loadLE32(h + 20) : 0;
    header.coloursUsed = header.size >= 36 ? loadLE32(h + 32) : 0;
    return header;
}

std::optional<BmpCoding> codingOf(const Header& header) {
    const bool os2 = isOs2Header(header.size);
    const uint32_t bits = header.bitsPerPixel;
    switch (header.compression) {
        case kPlain:
            if (bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
                bits == 32 || bits == 64) {
                return BmpCoding::Rows;
            }
            return std::nullopt;
        case kRunLength8:
            return bits == 8 ? std::optional(BmpCoding::RunLength8) : std::nullopt;
        case kRunLength4:
            return bits == 4 ? std::optional(BmpCoding::RunLength4) : std::nullopt;
        case kBitFields:
        case kAlphaBitFields:
            return !os2 && (bits == 16 || bits == 32) ? std::optional(BmpCoding::Rows)
                                                      : std::nullopt;
        case kJpeg:
            if (os2) {
                return bits == 24 ? std::optional(BmpCoding::RunLength24) : std::nullopt;
            }
            return BmpCoding::Jpeg;
        case kPng:
            return os2 ? std::nullopt : std::optional(BmpCoding::Png);
        default:
            return std::nullopt;
    }
}

// The masks of a 16- or 32-bit picture; where the colour table starts moves past masks that
// follow a 40-byte header.
bool readMasks(std::span<const uint8_t> bytes, const Header& header, std::size_t& tableAt,
               BmpLayout& layout) {
    uint32_t masks[3] = {0x1Fu, 0x3E0u, 0x7C00u};  // blue, green, red
    if (header.bitsPerPixel == 32) {
        masks[0] = 0xFFu;
        masks[1] = 0xFF00u;
        masks[2] = 0xFF0000u;
    }
    if (header.compression == kBitFields || header.compression == kAlphaBitFields) {
        std::size_t at = kFileHeaderBytes + 40;
        if (header.size == 40) {
            const std::size_t length = header.compression == kAlphaBitFields ? 16 : 12;
            if (tableAt + length > bytes.size()) {
                return false;
            }
            tableAt += length;
        }
        masks[2] = loadLE32(bytes.data() + at);
        masks[1] = loadLE32(bytes.data() + at + 4);
        masks[0] = loadLE32(bytes.data() + at + 8);
    }
    for (std::size_t c = 0; c < 3; ++c) {
        const std::optional<BmpChannel> channel = channelOf(masks[c]);
        if (!channel) {
            return false;
        }
        layout.channels[c] = *channel;
    }
    return true;
}

// Short tables (their count, or the room before the pixels, says so) leave the rest black;
// long ones are read up to what the bit count can index.
bool readPalette(std::span<const uint8_t> bytes, const Header& header, std::size_t tableAt,
                 std::size_t pixelOffset, BmpLayout& layout) {
    const std::size_t entryBytes = header.size == kCoreHeaderBytes ? 3 : 4;
    const uint64_t indexable = uint64_t(1) << header.bitsPerPixel;
    const uint64_t declared = header.coloursUsed != 0 ? header.coloursUsed : indexable;
    const uint64_t room = (pixelOffset - tableAt) / entryBytes;
    const std::size_t count = std::size_t(std::min({declared, indexable, room}));
    if (count == 0) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes.data() + tableAt + i * entryBytes;
        layout.palette[i] = {entry[0], entry[1], entry[2]};
    }
    return true;
}

bool pixelsFit(const Header& header, const BmpLayout& layout) {
    const std::span<const uint8_t> pixels = layout.pixels;
    switch (layout.coding) {
        case BmpCoding::Rows: {
            const uint64_t rowBytes = (uint64_t(layout.width) * header.bitsPerPixel + 31) / 32 * 4;
            return rowBytes * layout.height <= pixels.size();
        }
        case BmpCoding::RunLength8:
        case BmpCoding::RunLength4:
        case BmpCoding::RunLength24:
            return uint64_t(layout.width) * layout.height <=
                   kMostPixelsPerCodedByte * pixels.size();
        case BmpCoding::Jpeg:
        case BmpCoding::Png:
            return !pixels.empty();
    }
    return false;
}

}  // namespace

std::optional<BmpLayout> readBmpLayout(std::span<const uint8_t> bytes, uint32_t maxSide) {
    const std::optional<Header> header = readHeader(bytes);
    if (!header || header->planes != 1) {
        return std::nullopt;
    }
    const std::optional<BmpCoding> coding = codingOf(*header);
    const int64_t height = header->height < 0 ? -header->height : header->height;
    if (!coding || !sidesFit(header->width, height, maxSide)) {
        return std::nullopt;
    }
    BmpLayout layout;
    layout.width = uint32_t(header->width);
    layout.height = uint32_t(height);
    layout.topDown = header->height < 0;
    layout.bitsPerPixel = header->bitsPerPixel;
    layout.coding = *coding;
    const std::size_t pixelOffset = loadLE32(bytes.data() + 10);
    std::size_t tableAt = kFileHeaderBytes + header->size;
    if (*coding == BmpCoding::Rows && (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32) &&
        !readMasks(bytes, *header, tableAt, layout)) {
        return std::nullopt;
    }
    if (pixelOffset < tableAt || pixelOffset > bytes.size()) {
        return std::nullopt;
    }
    const bool indexed =
        *coding != BmpCoding::Jpeg && *coding != BmpCoding::Png && layout.bitsPerPixel <= 8;
    if (indexed && !readPalette(bytes, *header, tableAt, pixelOffset, layout)) {
        return std::nullopt;
    }
    layout.pixels = bytes.subspan(pixelOffset);
    // Run lengths end with their own mark, whatever size the header gives them.
    const bool embedded = *coding == BmpCoding::Jpeg || *coding == BmpCoding::Png;
    if (embedded && header->dataSize != 0) {
        if (header->dataSize > layout.pixels.size()) {
            return std::nullopt;  // an embedded file cut short
        }
        layout.pixels = layout.pixels.first(header->dataSize);
    }
    if (!pixelsFit(*header, layout)) {
        return std::nullopt;
    }
    return layout;
}

}  // namespace dw
