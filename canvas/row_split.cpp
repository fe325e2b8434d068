#include "canvas/row_split.h"

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

namespace dw {

void splitRows(uint32_t begin, uint32_t end, const std::function<void(uint32_t, uint32_t)>& work) {
    if (end - begin < 2) {
        work(begin, end);
        return;
    }
    tbb::parallel_for(
        tbb::blocked_range<uint32_t>(begin, end),
        [&](const tbb::blocked_range<uint32_t>& rows) { work(rows.begin(), rows.end()); });
}

}  // namespace dw
