#pragma once

#include <cstdint>

#include "files/byte_stream.h"

namespace dw {

// The lossy 4 x 4 block codec for one 8-bit plane (width x height bytes, row-major). Every
// caller uses quality exponent 1: a step of 2, so a value comes back within 1 of itself.
//
// Stream: a 32-bit byte count, then the blocks, column of blocks by column of blocks; each
// block a 4-bit code (offset width, 0 = flat), an 8-bit mean or base, and 16 offsets.

// False when the plane is missing (reported) or the sink failed to take the bytes.
bool WriteCompressed2(ByteSink& sink, const uint8_t* plane, uint32_t width, uint32_t height,
                      uint32_t quality);

// Several planes interleaved in records (the cells of a painting): byte p of record i is
// plane p's value of pixel i. Writes one stream per plane, plane 0 first, each the bytes
// WriteCompressed2 writes for that plane alone; the planes are encoded in one walk, in parallel.
bool WriteCompressedPlanes(ByteSink& sink, const uint8_t* records, std::size_t recordSize,
                           int planes, uint32_t width, uint32_t height, uint32_t quality);

enum class StreamState {
    Complete,
    ShortStream,  // the stream held fewer bits than its blocks need: the rest read as 0
    SourceEnded,  // the data ended before the stream's byte count was reached
};

// The fewest bytes a stream for a width x height plane can take: its count, and a 4-bit code
// and an 8-bit value for each block of the padded plane (one block column and row more than
// width / 4 and height / 4). Readers compare it with what a file holds before allocating.
inline uint64_t smallestCompressedStream(uint32_t width, uint32_t height) {
    const uint64_t blocks = (uint64_t(width) / 4 + 1) * (uint64_t(height) / 4 + 1);
    return 4 + (blocks * 12 + 7) / 8;
}

// Decodes one stream into the width x height plane. Never reads or writes outside its
// buffers, whatever the stream holds.
StreamState ReadCompressed2(ByteSource& source, uint8_t* plane, uint32_t width, uint32_t height,
                            uint32_t quality);

// Decodes `planes` consecutive streams into interleaved records in one walk. SourceEnded as soon
// as one stream's data ends early; otherwise ShortStream if any stream was short.
StreamState ReadCompressedPlanes(ByteSource& source, uint8_t* records, std::size_t recordSize,
                                 int planes, uint32_t width, uint32_t height, uint32_t quality);

}  // namespace dw
