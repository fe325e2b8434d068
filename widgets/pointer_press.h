#pragma once

#include <cstdint>

namespace dw {

// Whether the left button is down as a control looks at the pointer.
enum class PointerPress : uint8_t { Up, Down };

inline PointerPress pressOf(bool down) {
    return down ? PointerPress::Down : PointerPress::Up;
}

}  // namespace dw
