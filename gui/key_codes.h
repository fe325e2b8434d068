#pragma once

#include <cstdint>

namespace dw {

// The Windows virtual-key code of a Qt key, which the keyboard routine's table is indexed by;
// 0 for keys it has no code for.
uint32_t virtualKeyCode(int qtKey);

}  // namespace dw
