#pragma once

#include <cstdint>
#include <string>

#include "files/picture_kind.h"
#include "platform/fenced_process.h"

namespace dw {

class Surface;

// The stream a fenced decoder writes: this header, then height rows of width x 3 bytes (blue,
// green, red), top row first, and nothing after them.
struct FencedPictureHeader {
    char magic[4] = {'D', 'W', 'p', 'x'};
    uint32_t width = 0;
    uint32_t height = 0;
};

// Decodes the file at path, of a kind only the old picture library reads, in a process of its
// own under the decoder's limits: true when the surface was re-created with the picture. A
// decoder that overruns a limit, crashes, ends in failure or writes anything but the stream
// it promised leaves the surface as it was.
bool decodeFenced(const std::string& path, PictureKind kind, Surface& surface);

// Who decodes behind the fence.
struct FencedDecoder {
    enum class Route {
        Program,     // the program at path, given the kind's name and the file as its input
        ForkedCopy,  // a fork of this process: for fuzzing, where an exec per input is too slow
    };
    Route route = Route::Program;
    std::string program;  // empty: daubwerk-decode beside the running executable
    platform::FenceLimits limits;
};
void setFencedDecoder(const FencedDecoder& decoder);
const FencedDecoder& fencedDecoder();

}  // namespace dw
