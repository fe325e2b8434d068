#include "canvas/simd_level.h"

#include <atomic>

namespace dw {
namespace {

SimdLevel detectedLevel() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma") ? SimdLevel::Avx2
                                                                           : SimdLevel::Sse2;
#else
    return SimdLevel::Portable;
#endif
}

std::atomic<SimdLevel>& currentLevel() {
    static std::atomic<SimdLevel> level{detectedLevel()};
    return level;
}

}  // namespace

SimdLevel simdLevel() {
    return currentLevel().load(std::memory_order_relaxed);
}

bool simdLevelRuns(SimdLevel level) {
    static const SimdLevel best = detectedLevel();
    return int(level) <= int(best);
}

bool setSimdLevel(SimdLevel level) {
    if (!simdLevelRuns(level)) {
        return false;
    }
    currentLevel().store(level, std::memory_order_relaxed);
    return true;
}

}  // namespace dw
