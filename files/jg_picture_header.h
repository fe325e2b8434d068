#pragma once

#include <cstdint>
#include <optional>

#include "files/byte_stream.h"
#include "files/store_file.h"

namespace dw {

// The program's own pictures, JG8 (one grey plane) and JGI (blue, green and red planes),
// begin with the same 12 bytes: quality (0 = raw, else the codec's exponent), width, height.
inline constexpr uint64_t kJgHeaderSize = 12;
// JG pictures are what the grey store keeps; refusing larger sides keeps a hostile header from
// asking for gigabytes.
inline constexpr uint32_t kMaxJgPictureSide = kMaxStoredPictureSide;

enum class JgPlanes { One = 1, Three = 3 };

enum class JgReadResult { Loaded, Damaged, OutOfMemory };

struct JgPictureHeader {
    int32_t quality = 0;
    uint32_t width = 0;
    uint32_t height = 0;

    bool raw() const { return quality == 0; }
};

// Takes the header and checks it against the number of bytes that follow it: sides of 1 to
// kMaxJgPictureSide, a quality not below 0, and a body those bytes can hold (raw planes in
// full; each codec stream at least its count and the 12 bits of every block's head). A body
// that cannot fit is refused before anything is allocated for it.
std::optional<JgPictureHeader> readJgPictureHeader(ByteSource& source, uint64_t bytesAfterHeader,
                                                   JgPlanes planes);

bool writeJgPictureHeader(ByteSink& sink, const JgPictureHeader& header);

// Bytes of one raw JGI row: 3 a pixel, padded to a multiple of 4 like a 24-bit surface row.
inline uint64_t jgiRowBytes(uint32_t width) {
    return (uint64_t(width) * 3 + 3) & ~uint64_t(3);
}

}  // namespace dw
