#pragma once

#include <array>
#include <memory>

#include "tools/brush_footprint.h"

namespace dw {

// Footprints of one hardness, one per size, built at first use: a pen whose pressure changes
// the size every dab looks its footprint up instead of rebuilding it.
class FootprintCache {
  public:
    const BrushFootprint& footprintFor(const BrushSettings& strokeSettings);

  private:
    int hardness_ = -1;
    std::array<std::unique_ptr<BrushFootprint>, BrushFootprint::kMaxRadius + 1> bySize_;
};

}  // namespace dw
