#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dw {

// Which picture store keeps a picture: colour ones as JPEG, grey ones as JG8 (red only).
enum class PictureStore { Colour, Grey };

struct CataloguedPicture {
    std::string_view name;  // as the program asks for it, without ".bmp"
    uint32_t width;
    uint32_t height;
    PictureStore store;
    std::string_view folder;  // below WorkData/: "", "Styles/" or "Textures/"
};

inline constexpr CataloguedPicture kPictureCatalogue[] = {
#define DAUBWERK_PICTURE(name, width, height, store, folder) \
    {#name, width, height, PictureStore::store, folder},
#include "canvas/picture_catalogue.def"
#undef DAUBWERK_PICTURE
};

// The catalogue's entry of that name, or nothing.
constexpr const CataloguedPicture* findCataloguedPicture(std::string_view name) {
    for (const CataloguedPicture& picture : kPictureCatalogue) {
        if (picture.name == name) {
            return &picture;
        }
    }
    return nullptr;
}

}  // namespace dw
