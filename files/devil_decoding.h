#pragma once

#include "files/picture_kind.h"

namespace dw {

// The fenced decoder's whole work, in its own process: reads the file from input to its end,
// decodes it as the given kind with the old picture library (never letting the library guess
// the kind), and writes the stream of FencedPictureHeader to output. The result is the exit
// status: 0 when the stream was written whole.
int decodeWithDevil(int input, int output, PictureKind kind);

}  // namespace dw
