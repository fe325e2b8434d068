#pragma once

namespace dw {

// A byte read as a fraction of 255: 1/255 rounded to float32 (0.003921568859368563). Shading,
// the tools and the filters all scale by this very float, so their results agree to the bit.
inline constexpr float kByteFraction = 1.0f / 255.0f;

}  // namespace dw
