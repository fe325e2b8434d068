#pragma once

#include <string>
#include <vector>

#include "canvas/picture_catalogue.h"
#include "canvas/surface.h"
#include "resources/artwork/picture.h"

namespace dw::artwork {

// The grey store keeps only the red component, so its pictures are written grey.
using Store = PictureStore;

// A drawn picture with its folder and store as the catalogue lists them.
struct ArtworkEntry {
    std::string name;    // as the program asks for it, without ".bmp"
    std::string folder;  // below WorkData/: "", "Styles/" or "Textures/"
    Store store = Store::Colour;
    Picture picture;

    std::string relativePath() const { return folder + name + ".bmp"; }
    // The 24-bit picture as it is written.
    Surface surface() const;
};

// Every picture the program asks for by name, in a fixed order.
std::vector<ArtworkEntry> drawArtwork();

// Where the drawn pictures and the catalogue disagree: a picture drawn but not listed, drawn
// twice or at another size, or listed but not drawn. Empty when they agree.
std::vector<std::string> catalogueMismatches(const std::vector<ArtworkEntry>& entries);

// Writes every entry as a BMP file below the given WorkData folder, creating the folders.
// False, with a message on standard error, if the entries disagree with the catalogue or any
// file could not be written.
bool writeArtwork(const std::vector<ArtworkEntry>& entries, const std::string& workDataFolder);

}  // namespace dw::artwork
