#include "resources/artwork/png_file.h"

#include <IL/il.h>

#include <iostream>

namespace dw::artwork {

bool writePng(const Picture& picture, const std::string& path, const std::vector<uint8_t>& alpha) {
    static const bool initialised = [] {
        ilInit();
        return true;
    }();
    (void)initialised;
    const int w = picture.width();
    const int h = picture.height();
    const bool withAlpha = alpha.size() == std::size_t(w) * std::size_t(h);
    const int channels = withAlpha ? 4 : 3;
    // DevIL keeps the bottom row first.
    std::vector<uint8_t> data(std::size_t(w) * h * channels);
    for (int y = 0; y < h; ++y) {
        uint8_t* row = data.data() + std::size_t(h - 1 - y) * w * channels;
        for (int x = 0; x < w; ++x) {
            const Rgb c = picture.at(x, y);
            uint8_t* p = row + std::size_t(x) * channels;
            p[0] = toByte(c.r);
            p[1] = toByte(c.g);
            p[2] = toByte(c.b);
            if (withAlpha) {
                p[3] = alpha[std::size_t(y) * w + x];
            }
        }
    }
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool ok = ilTexImage(ILuint(w), ILuint(h), 1, ILubyte(channels), withAlpha ? IL_RGBA : IL_RGB,
                         IL_UNSIGNED_BYTE, data.data()) == IL_TRUE;
    if (ok) {
        ilEnable(IL_FILE_OVERWRITE);
        ok = ilSaveImage(path.c_str()) == IL_TRUE;
    }
    ilDeleteImages(1, &image);
    while (ilGetError() != IL_NO_ERROR) {
        ok = false;
    }
    if (!ok) {
        std::cerr << "Cannot write " << path << "\n";
    }
    return ok;
}

}  // namespace dw::artwork
