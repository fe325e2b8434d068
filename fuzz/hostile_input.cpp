#include "fuzz/hostile_input.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "canvas/surface.h"
#include "core/preset_records.h"
#include "files/byte_stream.h"
#include "files/channel_codec.h"
#include "files/document_file.h"
#include "files/image_file.h"
#include "files/image_store.h"
#include "files/jg8_file.h"
#include "files/jgi_file.h"
#include "files/picture_import.h"
#include "files/preset_table_file.h"
#include "tools/brush_fields.h"
#include "tools/stroke_fields.h"

namespace dw::fuzz {
namespace {

constexpr std::string_view kOtherExtensions[] = {"tga", "psd",  "ppm", "pgm", "pbm", "pam", "pcx",
                                                 "ico", "icns", "dds", "hdr", "sgi", "pic", "xpm"};

// Every field of a record read from a file is one the program's controls could have set.
template <class Record>
bool holdsToItsFields(const Record& record, std::span<const RecordField<Record>> fields) {
    for (const RecordField<Record>& field : fields) {
        if (!field.accepts(field.get(record))) {
            return false;
        }
    }
    return true;
}

Outcome outcomeOf(bool accepted) {
    return accepted ? Outcome::Accepted : Outcome::Refused;
}

bool writeFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

uint64_t bodySize(std::span<const uint8_t> bytes) {
    return bytes.size() > kJgHeaderSize ? bytes.size() - kJgHeaderSize : 0;
}

// A surface that a refused picture must leave as it was.
Surface marker() {
    Surface surface;
    surface.create(3, 2);
    surface.setPixel(1, 1, 9, 8, 7);
    return surface;
}

bool stillMarker(const Surface& surface) {
    return surface.width() == 3 && surface.height() == 2 && surface.getPixel(1, 1).red == 9;
}

Outcome feedStore(std::span<const uint8_t> bytes, const char* path,
                  void (*load)(Surface&, const std::string&, const std::string&)) {
    mkdir("data", 0777);
    if (!writeFile(path, bytes)) {
        return Outcome::Refused;
    }
    Surface surface = marker();
    load(surface, "a", "missing/");
    allowPackFailureNoticeAgain();
    return outcomeOf(!stillMarker(surface));
}

}  // namespace

Outcome feedDocument(std::span<const uint8_t> bytes) {
    MemorySource source(bytes);
    Canvas painting;
    return outcomeOf(readDocument(source, bytes.size(), painting) == DocumentReadResult::Loaded);
}

Outcome feedBlockCodec(std::span<const uint8_t> bytes) {
    if (bytes.size() < 2) {
        return Outcome::Refused;
    }
    const uint32_t width = bytes[0] % 64u + 1;
    const uint32_t height = bytes[1] % 64u + 1;
    std::vector<uint8_t> plane(std::size_t(width) * height);
    MemorySource source(bytes.subspan(2));
    return outcomeOf(ReadCompressed2(source, plane.data(), width, height, 1) ==
                     StreamState::Complete);
}

Outcome feedJG8(std::span<const uint8_t> bytes) {
    MemorySource source(bytes);
    Surface surface;
    return outcomeOf(readJG8(source, bodySize(bytes), surface) == JgReadResult::Loaded);
}

Outcome feedJGI(std::span<const uint8_t> bytes) {
    MemorySource source(bytes);
    Surface surface;
    return outcomeOf(readJGI(source, bodySize(bytes), surface) == JgReadResult::Loaded);
}

Outcome feedColourStore(std::span<const uint8_t> bytes) {
    return feedStore(bytes, "data/ipack", LoadPackedImage);
}

Outcome feedGreyStore(std::span<const uint8_t> bytes) {
    return feedStore(bytes, "data/ppack", LoadPackedGreyImage);
}

namespace {

bool cellsShow(CellRows& rows, const Surface& picture) {
    if (rows.width() != picture.width() || rows.height() != picture.height()) {
        return false;
    }
    const LargeBuffer<CanvasCell> cells = rows.release();
    for (uint32_t y = 0; y < picture.height() && !cells.empty(); ++y) {
        for (uint32_t x = 0; x < picture.width(); ++x) {
            const Pixel p = picture.getPixel(x, y);
            const CanvasCell want = cellFromPixel(p.red, p.green, p.blue);
            if (std::memcmp(&cells[std::size_t(y) * picture.width() + x], &want, sizeof want)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

Outcome feedPicture(std::span<const uint8_t> bytes, std::string_view extension) {
    const std::string path = "picture." + std::string(extension);
    if (!writeFile(path, bytes)) {
        return Outcome::Refused;
    }
    Surface surface = marker();
    const bool loaded = LoadImageFile(surface, path, ImageMessages::Hidden);
    if (!loaded && !stillMarker(surface)) {
        std::abort();  // a refusal that changed the picture: let the fuzzer keep the input
    }
    // The import decodes into cells by the same decoders: it must take what was taken, as the
    // cells of the same picture. (A refused file is not decoded twice: some take seconds.)
    CellRows cells;
    if (loaded &&
        (!LoadImageRows(cells, path, ImageMessages::Hidden) || !cellsShow(cells, surface))) {
        std::abort();
    }
    return loaded ? Outcome::Accepted : Outcome::Refused;
}

Outcome feedPresetTable(std::span<const uint8_t> bytes) {
    if (bytes.empty()) {
        return Outcome::Refused;
    }
    const bool palette = bytes[0] % 2 == 0;
    MemorySource source(bytes.subspan(1));
    PresetTable table;
    table.slots.resize(
        std::size_t(palette ? kBrushPaletteLayout.slotCount : kStrokeListLayout.slotCount));
    if (readPresetTable(source, palette ? kBrushPaletteLayout : kStrokeListLayout, table) !=
        PresetFileResult::Read) {
        return Outcome::Refused;
    }
    bool packed = true;
    for (std::size_t i = 0; i < table.slots.size(); ++i) {
        const PresetSlot& slot = table.slots[i];
        packed = packed && (slot.used || i + 1 == table.slots.size() || !table.slots[i + 1].used);
        if (!slot.used) {
            continue;
        }
        const BrushSettings brush = soundBrush(slot.record);
        const StrokeModifiers stroke = soundStroke(slot.record);
        if (palette ? !holdsToItsFields(brush, brushFields())
                    : !holdsToItsFields(stroke, strokeFields())) {
            std::abort();
        }
    }
    if (!packed || table.current < 0 || std::size_t(table.current) >= table.slots.size()) {
        std::abort();
    }
    return Outcome::Accepted;
}

std::span<const std::string_view> otherPictureExtensions() {
    return kOtherExtensions;
}

}  // namespace dw::fuzz
