#pragma once

namespace dw {

// The widest vector instructions the fast paths use. Chosen once at start-up from what the
// processor reports; every level gives the same results as Portable, bit for bit. Avx2 also
// means fused multiply-add, which the wide kernels use where it rounds as Portable does.
enum class SimdLevel { Portable, Sse2, Avx2 };

SimdLevel simdLevel();
bool simdLevelRuns(SimdLevel level);
// For tests that hold each path against the portable one; a level the processor cannot run
// is refused (false) and the current one kept.
bool setSimdLevel(SimdLevel level);

}  // namespace dw
