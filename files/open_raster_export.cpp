#include "files/open_raster_export.h"

#include <png.h>
#include <zip.h>

#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "canvas/surface.h"
#include "files/safe_file_writer.h"

namespace dw {
namespace {

std::vector<uint8_t> encodePng(const Surface& surface) {
    const uint32_t width = surface.width();
    const uint32_t height = surface.height();
    std::vector<uint8_t> rows(std::size_t(width) * height * 3);
    const uint32_t step = surface.bytesPerPixel();
    for (uint32_t y = 0; y < height; ++y) {
        const uint8_t* source = surface.row(y);
        uint8_t* target = rows.data() + std::size_t(y) * width * 3;
        for (uint32_t x = 0; x < width; ++x, source += step, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rows.data(), 0, nullptr)) {
        return {};
    }
    std::vector<uint8_t> encoded(size);
    if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, rows.data(), 0, nullptr)) {
        return {};
    }
    encoded.resize(size);
    return encoded;
}

struct Entry {
    const char* name;
    std::string_view bytes;
    bool stored;
};

// The archive is built in memory so that the file is written once, through the safe writer.
std::vector<uint8_t> zipEntries(const std::vector<Entry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    std::vector<uint8_t> archive;
    if (buffer == nullptr) {
        return archive;
    }
    zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (zip == nullptr) {
        zip_source_free(buffer);
        return archive;
    }
    zip_source_keep(buffer);
    bool added = true;
    for (const Entry& entry : entries) {
        zip_source_t* source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index =
            source == nullptr ? -1 : zip_file_add(zip, entry.name, source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            added = false;
            break;
        }
        zip_set_file_compression(zip, zip_uint64_t(index),
                                 entry.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    if (!added || zip_close(zip) != 0) {
        zip_discard(zip);
        zip_source_free(buffer);
        return archive;
    }
    if (zip_source_open(buffer) == 0) {
        zip_source_seek(buffer, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(buffer);
        zip_source_seek(buffer, 0, SEEK_SET);
        if (size > 0) {
            archive.resize(std::size_t(size));
            if (zip_source_read(buffer, archive.data(), zip_uint64_t(size)) != size) {
                archive.clear();
            }
        }
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    return archive;
}

std::string_view view(const std::vector<uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

bool WriteOpenRasterFile(const Surface& picture, const Surface& thumbnail,
                         const std::string& path) {
    if (!picture.valid() || !thumbnail.valid()) {
        return false;
    }
    try {
        const std::vector<uint8_t> merged = encodePng(picture);
        const std::vector<uint8_t> small = encodePng(thumbnail);
        if (merged.empty() || small.empty()) {
            return false;
        }
        const std::string size = "w=\"" + std::to_string(picture.width()) + "\" h=\"" +
                                 std::to_string(picture.height()) + "\"";
        const std::string stack =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<image version=\"0.0.3\" " +
            size +
            ">\n"
            " <stack>\n"
            "  <layer name=\"Painting\" src=\"data/painting.png\" x=\"0\" y=\"0\" "
            "opacity=\"1.0\" visibility=\"visible\"/>\n"
            " </stack>\n"
            "</image>\n";
        const std::vector<uint8_t> archive = zipEntries({
            {"mimetype", "image/openraster", true},
            {"stack.xml", stack, false},
            {"data/painting.png", view(merged), true},
            {"mergedimage.png", view(merged), true},
            {"Thumbnails/thumbnail.png", view(small), true},
        });
        SafeFileWriter writer;
        return !archive.empty() && writer.begin(path) &&
               writer.stream().write(archive.data(), archive.size()) && writer.commit();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace dw
