#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dw {

// A kind of picture file and the extensions it goes by, in lower case; dialogs offer each in
// both cases, since cameras and phones name their files in capitals.
struct PictureFormat {
    std::string_view name;
    std::vector<std::string_view> extensions;
};

// Every kind LoadImageFile reads: DevIL's and the second decoders' (WebP, OpenRaster).
std::span<const PictureFormat> importFormats();

enum class ExportFormat { Bitmap, Png, Jpeg, Tiff, WebP, OpenRaster };

struct ExportKind {
    ExportFormat format;
    PictureFormat picture;
};

// What File > Export Image and the batch tool's --export write; the first is the default.
std::span<const ExportKind> exportKinds();

// The format a path's extension names, in any case; nothing for another extension.
std::optional<ExportFormat> exportFormatOf(std::string_view path);

// The path an export writes: as typed when its extension names a format, else with ".bmp"
// added, so that a name such as "sketch.v2" still becomes a picture of the default kind.
std::string exportPathFor(std::string_view typed);

// "*.jpg;*.JPG;*.jpeg;*.JPEG" for the extensions of the given formats.
std::string filePatterns(std::span<const PictureFormat> formats);
std::string filePatterns(const PictureFormat& format);

}  // namespace dw
