#pragma once

#include "files/bmp_layout.h"

namespace dw {

class Surface;

// Plays a run-length stream (8-bit, 4-bit or OS/2's 24-bit) into a picture of the layout's
// size that the caller has filled white: pixels the stream skips, or never reaches because it
// was cut short, stay white. Runs past the right edge are clipped.
void playRunLengths(const BmpLayout& layout, Surface& picture);

}  // namespace dw
