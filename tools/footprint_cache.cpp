#include "tools/footprint_cache.h"

#include "canvas/truncation.h"

namespace dw {

const BrushFootprint& FootprintCache::footprintFor(const BrushSettings& strokeSettings) {
    const int hardness = footprintHardness(strokeSettings);
    if (hardness != hardness_) {
        for (std::unique_ptr<BrushFootprint>& footprint : bySize_) {
            if (footprint) {
                footprint->invalidate();
            }
        }
        hardness_ = hardness;
    }
    std::unique_ptr<BrushFootprint>& footprint =
        bySize_[std::size_t(clampInt(strokeSettings.size, 1, BrushFootprint::kMaxRadius))];
    if (!footprint) {
        footprint = std::make_unique<BrushFootprint>();
    }
    BuildFootprint(*footprint, strokeSettings);
    return *footprint;
}

}  // namespace dw
