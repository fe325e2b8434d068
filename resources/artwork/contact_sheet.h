#pragma once

#include <vector>

#include "resources/artwork/artwork_catalogue.h"

namespace dw::artwork {

// One picture of the whole artwork: the panels as composed, every picture by name with its
// size, the tool buttons enlarged, the pattern images and the gloss map.
Picture contactSheet(const std::vector<ArtworkEntry>& entries);

}  // namespace dw::artwork
