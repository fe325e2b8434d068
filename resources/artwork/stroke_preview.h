#pragma once

#include <vector>

#include "resources/artwork/artwork_catalogue.h"

namespace dw::artwork {

// Sample strokes painted the way the Paint Brush paints, lit with the gloss map: one per
// paint style, one per texture, a row of gloss levels and the brush preview's paper.
Picture strokePreview(const std::vector<ArtworkEntry>& entries);

}  // namespace dw::artwork
