#pragma once

#include <cstddef>

#include "canvas/canvas_cell.h"

namespace dw {

// Aqua leaves no cell bluer than this below.
inline constexpr int kAquaMinimumBlue = 30;

// Invert Color and Aqua eight cells at a time, with the very operations of the cell by cell
// code, lane by lane. Compiled for AVX2 and called only where the processor has it. Each
// rewrites the leading multiple of eight cells of the run and returns how many it did.
std::size_t invertColourRunAvx2(CanvasCell* cells, std::size_t count);
std::size_t aquaRunAvx2(CanvasCell* cells, std::size_t count);

}  // namespace dw
