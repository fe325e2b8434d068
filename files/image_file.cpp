#include "files/image_file.h"

#include <IL/il.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <new>
#include <vector>

#include "canvas/large_buffer.h"
#include "canvas/surface.h"
#include "files/fallback_pictures.h"
#include "files/file_stream.h"
#include "files/jg8_file.h"
#include "files/jgi_file.h"
#include "files/picture_probe.h"
#include "files/picture_structure.h"
#include "files/safe_file_writer.h"
#include "platform/message_box.h"

namespace dw {
namespace {

// The second decoders take the whole file in memory; no picture the program can hold comes
// near this.
constexpr uint64_t kMaxFallbackFileBytes = uint64_t(1) << 30;

std::string extensionOf(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

void reportFailedLoad(const std::string& path, ImageMessages messages) {
    if (messages == ImageMessages::Shown) {
        platform::showMessage(path + " Failed to load!", "Error");
    }
}

void reportOutOfMemory(ImageMessages messages) {
    if (messages == ImageMessages::Shown) {
        platform::showMessage("Out of memory!", "Error");
    }
}

// A file whose header already says it cannot be held is refused before DevIL allocates for it;
// a cut-off PNG or JPEG is refused before DevIL reads past its end.
bool fitForDevil(const std::string& path) {
    const auto size = probePictureSize(path);
    if (size && (size->width > Surface::kMaxSide || size->height > Surface::kMaxSide)) {
        return false;
    }
    return !pictureEndsEarly(path);
}

// What DevIL refused may be a kind it does not know.
bool loadWithFallback(Surface& surface, const std::string& path) {
    FileStream file;
    uint8_t head[kFallbackHeadSize];
    if (!file.open(path, FileMode::Read) || file.size() > kMaxFallbackFileBytes ||
        !readExact(file, head, sizeof head) || !fallbackPictureKind(head)) {
        return false;
    }
    std::vector<uint8_t> bytes(head, head + sizeof head);
    bytes.resize(std::size_t(file.size()));
    if (!readExact(file, bytes.data() + sizeof head, bytes.size() - sizeof head)) {
        return false;
    }
    Surface picture;
    if (!loadFallbackPicture(bytes, Surface::kMaxSide, picture)) {
        return false;
    }
    picture.setName(path);
    surface = std::move(picture);
    return true;
}

// Copies the bound DevIL image into a new 24-bit surface, top row first.
bool copyBoundImage(Surface& picture, const std::string& path, ImageMessages messages) {
    const ILint width = ilGetInteger(IL_IMAGE_WIDTH);
    const ILint height = ilGetInteger(IL_IMAGE_HEIGHT);
    if (width > 0 && height > 0) {
        picture.create(uint32_t(width), uint32_t(height));
    }
    LargeBuffer<uint8_t> pixels;
    try {
        if (picture.valid()) {
            pixels.allocate(std::size_t(width) * std::size_t(height) * 3);
        }
    } catch (const std::bad_alloc&) {
        picture.release();
    }
    if (!picture.valid()) {
        reportOutOfMemory(messages);
        return false;
    }
    // Unsigned bytes: DevIL 1.7.8 returns wrong values when asked for IL_BYTE.
    if (ilCopyPixels(0, 0, 0, ILuint(width), ILuint(height), 1, IL_RGB, IL_UNSIGNED_BYTE,
                     pixels.data()) == 0) {
        reportFailedLoad(path, messages);
        return false;
    }
    for (uint32_t y = 0; y < uint32_t(height); ++y) {
        const uint8_t* source = pixels.data() + std::size_t(y) * std::size_t(width) * 3;
        uint8_t* target = picture.row(y);
        for (uint32_t x = 0; x < uint32_t(width); ++x, source += 3, target += 3) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    return true;
}

bool loadThroughDevil(Surface& surface, const std::string& path, ImageMessages messages) {
    bool loaded = false;
    if (fitForDevil(path)) {
        BoundDevilImage image;
        if (ilLoadImage(path.c_str())) {
            ilEnable(IL_ORIGIN_SET);
            ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
            Surface picture;
            if (copyBoundImage(picture, path, messages)) {
                picture.setName(path);
                picture.setImageType(ilGetInteger(IL_IMAGE_TYPE));
                surface = std::move(picture);
                loaded = true;
            }
        } else if (loadWithFallback(surface, path)) {
            reportDevilErrors(ImageMessages::Hidden);  // the refusal was answered
            return true;
        } else {
            reportFailedLoad(path, messages);
        }
    } else {
        reportFailedLoad(path, messages);
    }
    reportDevilErrors(messages);
    return loaded;
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

}  // namespace

bool LoadImageFile(Surface& surface, const std::string& path, ImageMessages messages) {
    // A folder, a device or a pipe is no picture; opening a pipe would wait for ever.
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        reportFailedLoad(path, messages);
        return false;
    }
    const std::string extension = extensionOf(path);
    if (extension == "JGI" || extension == "jgi") {
        return LoadJGI(surface, path);
    }
    if (extension == "JG8" || extension == "jg8") {
        return LOADJGI8(surface, path);
    }
    return loadThroughDevil(surface, path, messages);
}

bool SaveImageFile(const Surface& surface, const std::string& path, FileReplacement replacement) {
    if (!surface.valid() || path.empty()) {
        return false;
    }
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

}  // namespace dw
