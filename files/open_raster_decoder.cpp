#include <png.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/surface.h"
#include "files/decoded_pixels.h"
#include "files/picture_decoders.h"

namespace dw {
namespace {

// Caps checked against what the archive declares, before anything is read: a layer of the
// largest painting, compressed or not, stays far below them.
constexpr zip_int64_t kMaxEntries = 1000;
constexpr zip_uint64_t kMaxEntryBytes = zip_uint64_t(128) << 20;
constexpr zip_uint64_t kMaxStackBytes = zip_uint64_t(1) << 20;

using Archive = std::unique_ptr<zip_t, decltype(&zip_discard)>;

bool safeName(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string_view::npos) {
        return false;
    }
    for (std::size_t start = 0; start <= name.size();) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.substr(start, end - start) == "..") {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// Every entry's name is checked, not only those read: an archive that tries to climb out of
// its folder is refused whole.
bool namesAreSafe(zip_t* zip, zip_int64_t count) {
    for (zip_int64_t index = 0; index < count; ++index) {
        const char* name = zip_get_name(zip, zip_uint64_t(index), ZIP_FL_ENC_RAW);
        if (name == nullptr || !safeName(name)) {
            return false;
        }
    }
    return true;
}

// The entry's bytes, read no further than its declared size, which must be under the cap;
// nothing when it is missing, too large or damaged.
std::optional<std::string> readEntry(zip_t* zip, const char* name, zip_uint64_t cap) {
    const zip_int64_t index = zip_name_locate(zip, name, 0);
    zip_stat_t info;
    if (index < 0 || zip_stat_index(zip, zip_uint64_t(index), 0, &info) != 0 ||
        (info.valid & ZIP_STAT_SIZE) == 0 || info.size > cap) {
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(
        zip_fopen_index(zip, zip_uint64_t(index), 0), zip_fclose);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(info.size, '\0');
    char extra = 0;
    if (zip_fread(file.get(), bytes.data(), info.size) != zip_int64_t(info.size) ||
        zip_fread(file.get(), &extra, 1) != 0) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = tag.find(name); at != std::string_view::npos;
         at = tag.find(name, at + 1)) {
        const std::size_t quote = at + name.size() + 1;
        if (at == 0 || !std::isspace(static_cast<unsigned char>(tag[at - 1])) ||
            quote >= tag.size() || tag[quote - 1] != '=' ||
            (tag[quote] != '"' && tag[quote] != '\'')) {
            continue;
        }
        const std::size_t end = tag.find(tag[quote], quote + 1);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        return std::string(tag.substr(quote + 1, end - quote - 1));
    }
    return std::nullopt;
}

// The tags of the given element, in document order, each up to its closing '>'.
std::vector<std::string_view> tags(std::string_view xml, std::string_view element) {
    std::vector<std::string_view> found;
    std::string opening(1, '<');
    opening.append(element);
    for (std::size_t at = xml.find(opening); at != std::string_view::npos;
         at = xml.find(opening, at + 1)) {
        const std::size_t after = at + opening.size();
        const std::size_t end = xml.find('>', after);
        if (end == std::string_view::npos) {
            break;
        }
        if (std::isspace(static_cast<unsigned char>(xml[after])) || xml[after] == '/') {
            found.push_back(xml.substr(after, end - after));
        }
    }
    return found;
}

long number(std::string_view tag, std::string_view name, long fallback) {
    const std::optional<std::string> text = attribute(tag, name);
    return text ? std::strtol(text->c_str(), nullptr, 10) : fallback;
}

struct Rgba {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
};

std::optional<Rgba> decodeRgba(const std::string& bytes, uint32_t maxSide) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return std::nullopt;
    }
    if (!sidesFit(image.width, image.height, maxSide)) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    Rgba layer{image.width, image.height, {}};
    layer.pixels.resize(std::size_t(image.width) * image.height * 4);
    if (!png_image_finish_read(&image, nullptr, layer.pixels.data(), 0, nullptr)) {
        return std::nullopt;
    }
    return layer;
}

// Paper white under the visible layers, laid bottom to top at their offsets and opacities.
bool composite(zip_t* zip, std::string_view stack, uint32_t maxSide, Surface& surface) {
    const std::vector<std::string_view> images = tags(stack, "image");
    if (images.empty()) {
        return false;
    }
    const long width = number(images.front(), "w", 0);
    const long height = number(images.front(), "h", 0);
    if (!sidesFit(width, height, maxSide)) {
        return false;
    }
    std::vector<uint8_t> picture(std::size_t(width) * std::size_t(height) * 3, 255);
    const std::vector<std::string_view> layers = tags(stack, "layer");
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        if (attribute(*layer, "visibility") == "hidden") {
            continue;
        }
        const std::optional<std::string> source = attribute(*layer, "src");
        const std::optional<std::string> bytes =
            source ? readEntry(zip, source->c_str(), kMaxEntryBytes) : std::nullopt;
        const std::optional<Rgba> pixels = bytes ? decodeRgba(*bytes, maxSide) : std::nullopt;
        if (!pixels) {
            return false;
        }
        const std::optional<std::string> opacityText = attribute(*layer, "opacity");
        float opacity = opacityText ? std::strtof(opacityText->c_str(), nullptr) : 1.0f;
        opacity = std::isfinite(opacity) ? std::clamp(opacity, 0.0f, 1.0f) : 1.0f;
        const long left = std::clamp(number(*layer, "x", 0), -width, width);
        const long top = std::clamp(number(*layer, "y", 0), -height, height);
        for (long y = std::max(0L, top); y < std::min(height, top + long(pixels->height)); ++y) {
            for (long x = std::max(0L, left); x < std::min(width, left + long(pixels->width));
                 ++x) {
                const uint8_t* from =
                    &pixels->pixels[(std::size_t(y - top) * pixels->width + (x - left)) * 4];
                uint8_t* to = &picture[(std::size_t(y) * width + x) * 3];
                const float cover = opacity * from[3] / 255.0f;
                for (int c = 0; c < 3; ++c) {
                    to[c] = uint8_t(std::lround(to[c] + (from[c] - to[c]) * cover));
                }
            }
        }
    }
    return adoptPixels(picture.data(), uint32_t(width), uint32_t(height), 3, ChannelOrder::Rgb,
                       surface);
}

}  // namespace

bool decodeOpenRaster(std::span<const uint8_t> bytes, uint32_t maxSide, Surface& surface) {
    maxSide = std::min(maxSide, Canvas::kMaxSide);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        return false;
    }
    Archive zip(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error), zip_discard);
    if (!zip) {
        zip_source_free(source);
        return false;
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 1 || count > kMaxEntries || !namesAreSafe(zip.get(), count) ||
        readEntry(zip.get(), "mimetype", 64) != "image/openraster") {
        return false;
    }
    if (zip_name_locate(zip.get(), "mergedimage.png", 0) >= 0) {
        const std::optional<std::string> merged =
            readEntry(zip.get(), "mergedimage.png", kMaxEntryBytes);
        return merged &&
               decodePng({reinterpret_cast<const uint8_t*>(merged->data()), merged->size()},
                         maxSide, surface);
    }
    const std::optional<std::string> stack = readEntry(zip.get(), "stack.xml", kMaxStackBytes);
    return stack && composite(zip.get(), *stack, maxSide, surface);
}

}  // namespace dw
