#include "files/image_file.h"

#include <IL/il.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <new>
#include <optional>
#include <vector>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/byte_stream.h"
#include "files/fenced_decoding.h"
#include "files/file_stream.h"
#include "files/jg8_file.h"
#include "files/jgi_file.h"
#include "files/picture_decoders.h"
#include "files/picture_encoders.h"
#include "files/picture_kind.h"
#include "files/picture_structure.h"
#include "files/safe_file_writer.h"
#include "files/surface_rows.h"
#include "files/webp_export.h"
#include "platform/message_box.h"

namespace dw {
namespace {

// The in-process decoders take the whole file in memory; no picture the program can hold comes
// near this.
constexpr uint64_t kMaxPictureFileBytes = uint64_t(1) << 30;

std::string extensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

void reportFailedLoad(const std::string& path, ImageMessages messages) {
    if (messages == ImageMessages::Shown) {
        platform::showMessage(path + " Failed to load!", "Error");
    }
}

// The file's signature picks the decoder; the kinds only the old picture library reads are
// decoded behind the fence.
bool loadPicture(PixelRows& rows, const std::string& path) {
    FileStream file;
    uint8_t head[kSignatureBytes];
    if (!file.open(path, FileMode::Read) || file.size() > kMaxPictureFileBytes) {
        return false;
    }
    const std::size_t got = file.read(head, sizeof head);
    const auto kind = pictureKindOf({head, got}, extensionOf(path));
    if (!kind || !file.seek(0)) {
        return false;
    }
    if (isFenced(*kind)) {
        if (pictureEndsEarly(file)) {
            return false;
        }
        file.close();
        Surface picture;
        return decodeFenced(path, *kind, picture) && rows.take(std::move(picture));
    }
    // In one read, into memory met in huge pages: a picture file can be tens of megabytes.
    LargeBuffer<uint8_t> bytes(std::size_t(file.size()));
    if (!readExact(file, bytes.data(), bytes.size())) {
        return false;
    }
    MemorySource structure({bytes.data(), bytes.size()});
    return !pictureEndsEarly(structure) &&
           decodeInProcess(*kind, {bytes.data(), bytes.size()}, Surface::kMaxSide, rows);
}

// The program's own formats, which their readers report themselves.
std::optional<bool> loadOwnFormat(PixelRows& rows, const std::string& path) {
    const std::string extension = extensionOf(path);
    const bool jgi = extension == "JGI" || extension == "jgi";
    if (!jgi && extension != "JG8" && extension != "jg8") {
        return std::nullopt;
    }
    Surface picture;
    return (jgi ? LoadJGI(picture, path) : LOADJGI8(picture, path)) &&
           rows.take(std::move(picture));
}

enum class Writer { Png, Jpeg, Tiff, WebP, Devil };

Writer writerFor(const std::string& path) {
    std::string extension = extensionOf(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == "png") {
        return Writer::Png;
    }
    if (extension == "jpg" || extension == "jpeg") {
        return Writer::Jpeg;
    }
    if (extension == "tif" || extension == "tiff") {
        return Writer::Tiff;
    }
    return extension == "webp" ? Writer::WebP : Writer::Devil;
}

bool writeBytes(const std::vector<uint8_t>& bytes, const std::string& path,
                FileReplacement replacement) {
    if (replacement == FileReplacement::InPlace) {
        FileStream file;
        return file.open(path, FileMode::Write) && file.write(bytes.data(), bytes.size()) &&
               file.close();
    }
    SafeFileWriter writer;
    return writer.begin(path) && writer.stream().write(bytes.data(), bytes.size()) &&
           writer.commit();
}

bool saveBoundImage(const Surface& surface, const std::string& path) {
    const uint32_t width = surface.width();
    const uint32_t height = surface.height();
    if (!ilTexImage(width, height, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, nullptr)) {
        return false;
    }
    LargeBuffer<uint8_t> pixels;
    try {
        pixels.allocate(std::size_t(width) * height * 3);
    } catch (const std::bad_alloc&) {
        platform::showMessage("Out of memory!", "Error");
        return false;
    }
    // DevIL takes the bottom row first, as the surface keeps its memory.
    const uint32_t step = surface.bytesPerPixel();
    for (uint32_t r = 0; r < height; ++r) {
        const uint8_t* source = surface.bits() + std::size_t(r) * surface.stride();
        uint8_t* target = pixels.data() + std::size_t(r) * width * 3;
        for (uint32_t x = 0; x < width; ++x, source += step, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    if (!ilSetData(pixels.data())) {
        return false;
    }
    ilEnable(IL_FILE_OVERWRITE);
    return ilSaveImage(path.c_str()) == IL_TRUE;
}

bool saveThroughDevil(const Surface& surface, const std::string& path,
                      FileReplacement replacement) {
    bool saved = false;
    if (replacement == FileReplacement::InPlace) {
        BoundDevilImage image;
        saved = saveBoundImage(surface, path);
    } else if (SafeFileWriter writer; writer.beginForPath(path)) {
        BoundDevilImage image;
        saved = saveBoundImage(surface, writer.temporaryPath()) && writer.commit();
    }
    reportDevilErrors(ImageMessages::Shown);
    return saved;
}

}  // namespace

bool LoadImageRows(PixelRows& rows, const std::string& path, ImageMessages messages) {
    // A folder, a device or a pipe is no picture; opening a pipe would wait for ever.
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reportFailedLoad(path, messages);
        return false;
    }
    if (const auto own = loadOwnFormat(rows, path)) {
        return *own;
    }
    bool loaded = false;
    try {
        loaded = loadPicture(rows, path);
    } catch (const std::bad_alloc&) {
    }
    // Memory the rows could not have is the caller's to report.
    if (!loaded && !rows.outOfMemory()) {
        reportFailedLoad(path, messages);
    }
    return loaded;
}

bool LoadImageFile(Surface& surface, const std::string& path, ImageMessages messages) {
    SurfaceRows rows;
    Surface picture;
    if (!LoadImageRows(rows, path, messages)) {
        return false;
    }
    if (!rows.moveTo(picture)) {
        reportFailedLoad(path, messages);
        return false;
    }
    picture.setName(path);
    surface = std::move(picture);
    return true;
}

bool SaveImageFile(const Surface& surface, const std::string& path, FileReplacement replacement,
                   int jpegQuality) {
    if (!surface.valid() || path.empty()) {
        return false;
    }
    try {
        std::optional<std::vector<uint8_t>> encoded;
        switch (writerFor(path)) {
            case Writer::Png:
                encoded = encodePng(surface);
                break;
            case Writer::Jpeg:
                encoded = encodeJpeg(surface, jpegQuality);
                break;
            case Writer::Tiff:
                encoded = encodeTiff(surface);
                break;
            case Writer::WebP:
                return WriteWebPFile(surface, path);
            case Writer::Devil:
                return saveThroughDevil(surface, path, replacement);
        }
        return encoded && writeBytes(*encoded, path, replacement);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace dw
