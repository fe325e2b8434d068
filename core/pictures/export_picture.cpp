#include "core/pictures/export_picture.h"

#include "core/pictures/thumbnail.h"
#include "files/bitmap_export.h"
#include "files/image_file.h"
#include "files/open_raster_export.h"
#include "files/picture_formats.h"
#include "files/webp_export.h"
#include "platform/message_box.h"

namespace dw {
namespace {

bool writePicture(const Surface& picture, ExportFormat format, const std::string& path) {
    switch (format) {
        case ExportFormat::Bitmap:
            return WriteBitmapFile(picture, path);
        case ExportFormat::WebP:
            return WriteWebPFile(picture, path);
        case ExportFormat::OpenRaster:
            return WriteOpenRasterFile(picture, scaledToFit(picture, 256), path);
        case ExportFormat::Png:
        case ExportFormat::Jpeg:
        case ExportFormat::Tiff:
            break;
    }
    return SaveImageFile(picture, path);
}

}  // namespace

bool exportPainting(AppState& state, const std::string& path) {
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (format) {
        state.painting.shadeAll();
        if (writePicture(state.painting.surface(), *format, path)) {
            return true;
        }
    }
    platform::showMessage("Export to \"" + path + "\" failed!", "Error");
    return false;
}

}  // namespace dw
