#pragma once

#include <cstdint>
#include <functional>

namespace dw {

// Runs work over the rows [begin, end), split in two halves: the lower half on a helper
// thread kept for the purpose, the upper on the caller's. Only for work whose result does not
// depend on the order rows are visited in. Falls back to one call on a single processor.
void splitRows(uint32_t begin, uint32_t end, const std::function<void(uint32_t, uint32_t)>& work);

}  // namespace dw
