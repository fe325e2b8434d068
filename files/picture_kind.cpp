#include "files/picture_kind.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "files/byte_stream.h"

namespace dw {
namespace {

struct Named {
    std::string_view name;
    PictureKind kind;
};

// Extensions, lower case, by the kind they claim.
constexpr Named kExtensions[] = {
    {"png", PictureKind::Png},        {"jpg", PictureKind::Jpeg},
    {"jpeg", PictureKind::Jpeg},      {"jpe", PictureKind::Jpeg},
    {"jfif", PictureKind::Jpeg},      {"tif", PictureKind::Tiff},
    {"tiff", PictureKind::Tiff},      {"webp", PictureKind::WebP},
    {"gif", PictureKind::Gif},        {"bmp", PictureKind::Bmp},
    {"dib", PictureKind::Bmp},        {"pbm", PictureKind::OtherPnm},
    {"pgm", PictureKind::OtherPnm},   {"ppm", PictureKind::OtherPnm},
    {"pnm", PictureKind::OtherPnm},   {"pam", PictureKind::OtherPnm},
    {"tga", PictureKind::Tga},        {"vda", PictureKind::Tga},
    {"icb", PictureKind::Tga},        {"vst", PictureKind::Tga},
    {"psd", PictureKind::Psd},        {"pcx", PictureKind::Pcx},
    {"sgi", PictureKind::Sgi},        {"bw", PictureKind::Sgi},
    {"rgb", PictureKind::Sgi},        {"rgba", PictureKind::Sgi},
    {"ico", PictureKind::Icon},       {"cur", PictureKind::Icon},
    {"icns", PictureKind::AppleIcon}, {"dds", PictureKind::Dds},
    {"hdr", PictureKind::Radiance},   {"pic", PictureKind::SoftimagePic},
    {"xpm", PictureKind::Xpm},        {"ora", PictureKind::OpenRaster},
};

constexpr Named kFencedNames[] = {
    {"pnm", PictureKind::OtherPnm},     {"tga", PictureKind::Tga}, {"psd", PictureKind::Psd},
    {"pcx", PictureKind::Pcx},          {"sgi", PictureKind::Sgi}, {"ico", PictureKind::Icon},
    {"icns", PictureKind::AppleIcon},   {"dds", PictureKind::Dds}, {"hdr", PictureKind::Radiance},
    {"pic", PictureKind::SoftimagePic}, {"xpm", PictureKind::Xpm},
};

bool startsWith(std::span<const uint8_t> head, std::string_view text) {
    return head.size() >= text.size() && std::memcmp(head.data(), text.data(), text.size()) == 0;
}

bool isPnmSpace(uint8_t c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::optional<PictureKind> kindBySignature(std::span<const uint8_t> head) {
    if (startsWith(head, "\x89PNG\r\n\x1A\n")) {
        return PictureKind::Png;
    }
    if (startsWith(head, "\xFF\xD8\xFF")) {
        return PictureKind::Jpeg;
    }
    if (startsWith(head, std::string_view("II*\0", 4)) ||
        startsWith(head, std::string_view("MM\0*", 4)) ||
        startsWith(head, std::string_view("II+\0", 4)) ||
        startsWith(head, std::string_view("MM\0+", 4))) {
        return PictureKind::Tiff;
    }
    if (head.size() >= 12 && startsWith(head, "RIFF") &&
        std::memcmp(head.data() + 8, "WEBP", 4) == 0) {
        return PictureKind::WebP;
    }
    if (startsWith(head, "GIF87a") || startsWith(head, "GIF89a")) {
        return PictureKind::Gif;
    }
    if (startsWith(head, "BM")) {
        return PictureKind::Bmp;
    }
    if (head.size() >= 3 && head[0] == 'P' && head[1] >= '1' && head[1] <= '7' &&
        isPnmSpace(head[2])) {
        return head[1] == '5' || head[1] == '6' ? PictureKind::BinaryPnm : PictureKind::OtherPnm;
    }
    // A zip archive whose first entry is named "mimetype"; its content is checked on reading.
    if (startsWith(head, "PK\x03\x04") && head.size() >= 38 &&
        std::memcmp(head.data() + 30, "mimetype", 8) == 0) {
        return PictureKind::OpenRaster;
    }
    if (startsWith(head, "8BPS")) {
        return PictureKind::Psd;
    }
    if (head.size() >= 3 && head[0] == 0x0A && head[1] <= 5 && head[1] != 1 && head[2] == 1) {
        return PictureKind::Pcx;
    }
    if (startsWith(head, "\x01\xDA")) {
        return PictureKind::Sgi;
    }
    if (head.size() >= 6 && head[0] == 0 && head[1] == 0 && (head[2] == 1 || head[2] == 2) &&
        head[3] == 0 && (head[4] | head[5]) != 0) {
        return PictureKind::Icon;
    }
    if (startsWith(head, "icns")) {
        return PictureKind::AppleIcon;
    }
    if (startsWith(head, "DDS ")) {
        return PictureKind::Dds;
    }
    if (startsWith(head, "#?RADIANCE") || startsWith(head, "#?RGBE")) {
        return PictureKind::Radiance;
    }
    if (startsWith(head, "\x53\x80\xF6\x34")) {
        return PictureKind::SoftimagePic;
    }
    if (startsWith(head, "/* XPM */")) {
        return PictureKind::Xpm;
    }
    return std::nullopt;
}

std::optional<PictureKind> kindByExtension(std::string_view extension) {
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    for (const Named& named : kExtensions) {
        if (named.name == lower) {
            return named.kind;
        }
    }
    return std::nullopt;
}

// PNM files are one kind to their names, whichever reader their content needs.
PictureKind family(PictureKind kind) {
    switch (kind) {
        case PictureKind::BinaryPnm:
            return PictureKind::OtherPnm;
        default:
            return kind;
    }
}

}  // namespace

std::optional<PictureKind> pictureKindOf(std::span<const uint8_t> head,
                                         std::string_view extension) {
    const std::optional<PictureKind> claimed = kindByExtension(extension);
    const std::optional<PictureKind> actual = kindBySignature(head);
    if (!actual) {
        return claimed == PictureKind::Tga ? claimed : std::nullopt;
    }
    if (claimed && family(*claimed) != family(*actual) && isFenced(*actual)) {
        return std::nullopt;
    }
    return actual;
}

std::string_view fencedKindName(PictureKind kind) {
    for (const Named& named : kFencedNames) {
        if (named.kind == kind) {
            return named.name;
        }
    }
    return {};
}

std::optional<PictureKind> fencedKindNamed(std::string_view name) {
    for (const Named& named : kFencedNames) {
        if (named.name == name) {
            return named.kind;
        }
    }
    return std::nullopt;
}

}  // namespace dw
