#include "files/picture_structure.h"

#include <cstring>

namespace dw {
namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t loadBE32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Byte by byte over a source, a block read at a time.
class ByteWalker {
  public:
    explicit ByteWalker(ByteSource& source) : source_(source) {}

    bool next(uint8_t& byte) {
        if (at_ == end_ && !refill()) {
            return false;
        }
        byte = buffer_[at_++];
        return true;
    }

    // Moves past the next 0xFF; false when the data ends first. Scan data is most of a JPEG:
    // it is searched, not walked.
    bool passNextFF() {
        for (;;) {
            const auto* found =
                static_cast<const uint8_t*>(std::memchr(buffer_ + at_, 0xFF, end_ - at_));
            if (found) {
                at_ = std::size_t(found - buffer_) + 1;
                return true;
            }
            if (!refill()) {
                return false;
            }
        }
    }

    bool skip(uint64_t count) {
        const std::size_t buffered = end_ - at_;
        if (count <= buffered) {
            at_ += std::size_t(count);
            return true;
        }
        at_ = end_;
        return source_.skip(count - buffered);
    }

  private:
    bool refill() {
        at_ = 0;
        end_ = source_.read(buffer_, sizeof buffer_);
        return end_ > 0;
    }

    ByteSource& source_;
    uint8_t buffer_[1 << 16];
    std::size_t at_ = 0;
    std::size_t end_ = 0;
};

bool pngChunksEndEarly(ByteSource& source) {
    for (;;) {
        uint8_t head[8];
        if (!readExact(source, head, sizeof head)) {
            return true;
        }
        const uint32_t length = loadBE32(head);
        if (length > 0x7FFFFFFFu || !source.skip(uint64_t(length) + 4)) {  // data and CRC
            return true;
        }
        if (std::memcmp(head + 4, "IEND", 4) == 0) {
            return false;
        }
    }
}

bool standsAlone(uint8_t marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01 || marker == 0xD8;
}

// After the start-of-image marker: segments, and after each start of scan its entropy-coded
// data, in which 0xFF is followed by 0x00 (a stuffed byte) or a restart marker.
bool jpegSegmentsEndEarly(ByteWalker& bytes) {
    bool inScan = false;
    for (;;) {
        if (inScan) {
            if (!bytes.passNextFF()) {
                return false;
            }
        } else if (uint8_t byte = 0; !bytes.next(byte) || byte != 0xFF) {
            return true;  // no marker where one must be: let nothing guess
        }
        uint8_t marker = 0xFF;
        while (marker == 0xFF) {  // fill bytes
            if (!bytes.next(marker)) {
                return !inScan;
            }
        }
        if (marker == 0x00 || standsAlone(marker)) {
            continue;
        }
        if (marker == 0xD9) {
            return false;
        }
        uint8_t high = 0;
        uint8_t low = 0;
        if (!bytes.next(high) || !bytes.next(low)) {
            return true;
        }
        const uint32_t length = uint32_t(high) << 8 | low;
        if (length < 2 || !bytes.skip(length - 2u)) {
            return true;
        }
        inScan = marker == 0xDA;
    }
}

// A BMP's colour table follows its 14-byte file header and its info header; DevIL allocates
// for the count the header declares (up to 4 GiB) before it notices the file is short.
bool bmpPaletteEndsEarly(ByteSource& source) {
    uint8_t header[52];  // the rest of the file header and a 40-byte info header
    if (!readExact(source, header, sizeof header)) {
        return false;  // DevIL refuses a short header by itself
    }
    const uint32_t infoSize = loadLE32(header + 12);
    const uint32_t colours = loadLE32(header + 44);
    if (infoSize < 40 || colours == 0) {
        return false;
    }
    return !source.skip(uint64_t(infoSize - 40) + uint64_t(colours) * 4);
}

}  // namespace

bool pictureEndsEarly(ByteSource& source) {
    uint8_t head[8] = {};
    if (!readExact(source, head, 2)) {
        return false;
    }
    if (head[0] == 0xFF && head[1] == 0xD8) {
        ByteWalker bytes(source);
        return jpegSegmentsEndEarly(bytes);
    }
    if (head[0] == 'B' && head[1] == 'M') {
        return bmpPaletteEndsEarly(source);
    }
    return readExact(source, head + 2, 6) && std::memcmp(head, kPngSignature, 8) == 0 &&
           pngChunksEndEarly(source);
}

}  // namespace dw
