#include "canvas/row_split.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

namespace dw {

void splitRows(uint32_t begin, uint32_t end, const std::function<void(uint32_t, uint32_t)>& work,
               uint32_t grain) {
    if (end - begin < 2 || end - begin <= grain) {
        work(begin, end);
        return;
    }
    tbb::parallel_for(
        tbb::blocked_range<uint32_t>(begin, end, grain < 1 ? 1 : grain),
        [&](const tbb::blocked_range<uint32_t>& rows) { work(rows.begin(), rows.end()); });
}

}  // namespace dw
