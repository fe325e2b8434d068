#include "files/picture_formats.h"

#include <array>
#include <cctype>

namespace dw {
namespace {

// DevIL's own list (IL_LOAD_EXT) without mp3, whose picture is an album cover, plus WebP.
const std::array<PictureFormat, 17> kImportFormats = {{
    {"JPEG", {"jpg", "jpeg", "jpe"}},
    {"BITMAP", {"bmp", "dib"}},
    {"PNG", {"png"}},
    {"TIFF", {"tif", "tiff"}},
    {"WebP", {"webp"}},
    {"GIF", {"gif"}},
    {"OpenRaster", {"ora"}},
    {"Targa", {"tga", "vda", "icb", "vst"}},
    {"PSD", {"psd", "pdd"}},
    {"PCX", {"pcx", "dcx"}},
    {"Portable Anymap", {"pnm", "pbm", "pgm", "ppm"}},
    {"Icons", {"ico", "cur", "icns"}},
    {"DirectDraw Surface", {"dds"}},
    {"Radiance HDR", {"hdr"}},
    {"SGI", {"sgi", "bw", "rgb", "rgba"}},
    {"Sun Raster", {"ras", "sun", "rs", "im1", "im8", "im24", "im32"}},
    {"Other", {"blp", "cut", "dcm",     "dicom", "fit", "fits", "ftx", "iff", "iwi",
               "jng", "lif", "mdl",     "mng",   "pcd", "pic",  "pix", "psp", "pxr",
               "raw", "rot", "texture", "tpl",   "utx", "vtf",  "wal", "xpm"}},
}};

const std::array<ExportKind, 6> kExportKinds = {{
    {ExportFormat::Bitmap, {"Bitmap Image", {"bmp"}}},
    {ExportFormat::Png, {"PNG", {"png"}}},
    {ExportFormat::Jpeg, {"JPEG", {"jpg", "jpeg"}}},
    {ExportFormat::Tiff, {"TIFF", {"tif", "tiff"}}},
    {ExportFormat::WebP, {"WebP", {"webp"}}},
    {ExportFormat::OpenRaster, {"OpenRaster", {"ora"}}},
}};

std::string lowerExtension(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return {};
    }
    std::string extension(path.substr(dot + 1));
    for (char& c : extension) {
        c = char(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension;
}

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return result;
}

void appendPatterns(std::string& patterns, const PictureFormat& format) {
    for (const std::string_view extension : format.extensions) {
        for (const std::string& spelling : {std::string(extension), upper(extension)}) {
            patterns += (patterns.empty() ? "*." : ";*.") + spelling;
        }
    }
}

}  // namespace

std::span<const PictureFormat> importFormats() {
    return kImportFormats;
}

std::span<const ExportKind> exportKinds() {
    return kExportKinds;
}

std::optional<ExportFormat> exportFormatOf(std::string_view path) {
    const std::string extension = lowerExtension(path);
    for (const ExportKind& kind : kExportKinds) {
        for (const std::string_view known : kind.picture.extensions) {
            if (extension == known) {
                return kind.format;
            }
        }
    }
    return std::nullopt;
}

std::string exportPathFor(std::string_view typed) {
    std::string path(typed);
    if (!exportFormatOf(path)) {
        path += ".bmp";
    }
    return path;
}

std::string filePatterns(std::span<const PictureFormat> formats) {
    std::string patterns;
    for (const PictureFormat& format : formats) {
        appendPatterns(patterns, format);
    }
    return patterns;
}

std::string filePatterns(const PictureFormat& format) {
    return filePatterns(std::span<const PictureFormat>(&format, 1));
}

}  // namespace dw
