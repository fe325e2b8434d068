#pragma once

#include <vector>

#include "resources/artwork/artwork_catalogue.h"

namespace dw::artwork {

// The panels put together the way the program composes them, for judging the pictures in
// place: buttons at their positions, sliders drawn as the program draws them, thumbnails in
// their grids.
struct Mockup {
    std::string title;
    Picture picture;
};

std::vector<Mockup> panelMockups(const std::vector<ArtworkEntry>& entries);

// The picture as the program will see it (grey-store pictures grey).
Picture storedPicture(const ArtworkEntry& entry);

}  // namespace dw::artwork
