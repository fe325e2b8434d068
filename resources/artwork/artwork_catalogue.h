#pragma once

#include <string>
#include <vector>

#include "canvas/surface.h"
#include "resources/artwork/picture.h"

namespace dw::artwork {

// Which picture store the program files a picture in. The grey store keeps only the red
// component, so its pictures are written grey.
enum class Store { Colour, Grey };

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

// Writes every entry as a BMP file below the given WorkData folder, creating the folders.
// False, with a message on standard error, if any file could not be written.
bool writeArtwork(const std::vector<ArtworkEntry>& entries, const std::string& workDataFolder);

}  // namespace dw::artwork
