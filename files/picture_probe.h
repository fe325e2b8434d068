#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/byte_stream.h"

namespace dw {

struct PictureSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

// The size a PNG, JPEG, BMP, TIFF, GIF or WebP file declares in its header, read without decoding
// it, so that absurd sizes are refused before the image library allocates for them. Nothing for
// other kinds and for headers that cannot be read.
std::optional<PictureSize> probePictureSize(ByteSource& source);
std::optional<PictureSize> probePictureSize(const std::string& path);

}  // namespace dw
