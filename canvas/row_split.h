#pragma once

#include <cstdint>
#include <functional>

namespace dw {

// Runs work over the rows [begin, end) in bands spread over the processors (oneTBB), each
// band [from, to) on one thread. Only for work whose result does not depend on the order
// rows are visited in. A band is cut in two only while it holds more than grain rows.
void splitRows(uint32_t begin, uint32_t end, const std::function<void(uint32_t, uint32_t)>& work,
               uint32_t grain = 1);

}  // namespace dw
