#include "canvas/shade_reach.h"

#include <algorithm>

namespace dw {
namespace {

// trunc of 20 x a normal component, which stays below 1.
constexpr uint32_t kReach = 19;

using Range = std::pair<uint32_t, uint32_t>;

// Along one axis of the given length, the pixels whose shade may read a cell of [c0, c1).
void readerRanges(uint32_t c0, uint32_t c1, uint32_t length, std::vector<Range>& ranges) {
    ranges.clear();
    ranges.emplace_back(c0 > kReach ? c0 - kReach : 0, std::min(c1 + kReach, length));
    // Past the far edge a read wraps plainly to the first cells ...
    if (c0 < kReach && length > kReach) {
        ranges.emplace_back(length - kReach, length);
    }
    // ... and before the near edge as 2^32 + v, modulo the length.
    for (int64_t v = -int64_t(kReach); v < 0; ++v) {
        const auto cell = uint32_t((uint64_t(1) << 32) + uint64_t(v)) % length;
        if (cell >= c0 && cell < c1) {
            ranges.emplace_back(0, std::min(kReach, length));
            break;
        }
    }
}

struct Rect {
    Range columns;
    Range rows;
};

}  // namespace

std::vector<ShadeBand> pixelsReading(const std::vector<CellArea>& changed, uint32_t width,
                                     uint32_t height) {
    std::vector<Rect> rects;
    std::vector<Range> columns;
    std::vector<Range> rows;
    for (const CellArea& a : changed) {
        if (a.empty() || a.x1 > width || a.y1 > height) {
            continue;  // from a grid of another size: everything is shaded then
        }
        readerRanges(a.x0, a.x1, width, columns);
        readerRanges(a.y0, a.y1, height, rows);
        for (const Range& r : rows) {
            for (const Range& c : columns) {
                rects.push_back({c, r});
            }
        }
    }
    // Cut the rows where any rectangle starts or ends; in each band the spans are merged.
    std::vector<uint32_t> cuts;
    for (const Rect& rect : rects) {
        cuts.push_back(rect.rows.first);
        cuts.push_back(rect.rows.second);
    }
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    std::vector<ShadeBand> bands;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        ShadeBand band{cuts[i], cuts[i + 1], {}};
        for (const Rect& rect : rects) {
            if (rect.rows.first <= band.y0 && rect.rows.second >= band.y1) {
                band.spans.push_back(rect.columns);
            }
        }
        if (band.spans.empty()) {
            continue;
        }
        std::sort(band.spans.begin(), band.spans.end());
        std::vector<Range> merged = {band.spans.front()};
        for (const Range& span : band.spans) {
            if (span.first <= merged.back().second) {
                merged.back().second = std::max(merged.back().second, span.second);
            } else {
                merged.push_back(span);
            }
        }
        band.spans = std::move(merged);
        bands.push_back(std::move(band));
    }
    return bands;
}

}  // namespace dw
