#pragma once

#include <cstddef>

#include "canvas/canvas_cell.h"

namespace dw {

// Aqua leaves no cell bluer than this below.
inline constexpr int kAquaMinimumBlue = 30;

// Where the wide kernels' target must start.
inline constexpr std::size_t kWideAlignment = 32;

// Invert Color, Desaturate, Solarize, Night and Aqua eight cells at a time, with results identical
// to the cell by cell code. Compiled for AVX2 and called only where the processor has it. Each
// writes a leading part of the run (a multiple of eight cells) from the cells of from into to
// (aligned to kWideAlignment; it may be from itself), past the caches, and returns how many it did.
std::size_t invertColourRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count);
std::size_t desaturateRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count);
std::size_t solarizeRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count);
std::size_t nightRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count);
std::size_t aquaRunAvx2(const CanvasCell* from, CanvasCell* to, std::size_t count);

}  // namespace dw
