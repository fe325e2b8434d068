#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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

// Where the catalogue lists that name, or -1. An index rather than a pointer, so that it is
// a constant expression in sanitized builds too.
constexpr int cataloguedIndex(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kPictureCatalogue); ++i) {
        if (kPictureCatalogue[i].name == name) {
            return int(i);
        }
    }
    return -1;
}

// The catalogue's entry of that name, or nothing.
inline const CataloguedPicture* findCataloguedPicture(std::string_view name) {
    const int index = cataloguedIndex(name);
    return index < 0 ? nullptr : &kPictureCatalogue[index];
}

}  // namespace dw
