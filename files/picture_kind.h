#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace dw {

// What reads a picture file. The first kinds are read in this process by maintained decoders;
// the rest only the old picture library reads, and it reads them in the fenced decoder.
enum class PictureKind : uint8_t {
    Png,
    Jpeg,
    Tiff,
    WebP,
    Gif,
    Bmp,
    BinaryPnm,  // P5 and P6
    OpenRaster,
    // Through the fence from here on.
    OtherPnm,  // P1 to P4 and PAM
    Tga,
    Psd,
    Pcx,
    Sgi,
    Icon,
    AppleIcon,
    Dds,
    Radiance,
    SoftimagePic,
    Xpm,
};

inline bool isFenced(PictureKind kind) {
    return kind >= PictureKind::OtherPnm;
}

// The file's first bytes (fewer when the file is shorter) pick its kind; the old library's
// own guessing is never used. The extension only names Targa files, which carry no signature,
// and refuses a file it names as another kind when that kind's reader would be the fenced one:
// a file that disguises itself is not worth the old library's risk. Nothing when no reader
// takes the file.
inline constexpr std::size_t kSignatureBytes = 38;
std::optional<PictureKind> pictureKindOf(std::span<const uint8_t> head, std::string_view extension);

// The short names the fenced decoder is told the kind by.
std::string_view fencedKindName(PictureKind kind);
std::optional<PictureKind> fencedKindNamed(std::string_view name);

}  // namespace dw
