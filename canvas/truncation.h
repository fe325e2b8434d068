#pragma once

#include <cstdint>

namespace dw {

// Float-to-integer conversions truncate toward zero. NaN and values out of range (heights
// from a hostile file can be anything) give the processor's "integer indefinite" instead of
// undefined behaviour, so that every caller stays deterministic.
inline int32_t truncToInt(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(v);
}

inline int64_t truncToInt64(double v) {
    if (!(v > -9223372036854775808.0 && v < 9223372036854775808.0)) {
        return INT64_MIN;
    }
    return static_cast<int64_t>(v);
}

// A byte result that is not clamped keeps its low 8 bits.
inline uint8_t truncToByte(double v) {
    return static_cast<uint8_t>(truncToInt(v));
}

inline int clampInt(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace dw
