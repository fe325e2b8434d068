#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "files/byte_stream.h"

namespace dw {

// The brush palette and the stroke list are kept as raw images of fixed tables: slots of a
// used byte and one 24-byte record, then the current slot index (signed 32-bit), all
// little-endian, with no header. The bytes between a slot's used byte and its record are
// reserved and written as zero.
struct PresetTableLayout {
    int slotCount;
    std::size_t slotSize;
    std::size_t recordOffset;  // inside a slot

    std::size_t tableSize() const { return std::size_t(slotCount) * slotSize + 4; }
};

inline constexpr std::size_t kPresetRecordSize = 24;
// "data/palette.dat" and ".pal" files: 45 brushes, 1444 bytes.
inline constexpr PresetTableLayout kBrushPaletteLayout{45, 32, 8};
// "data/strokes.dat" and ".stk" files: 10 strokes, 10884 bytes.
inline constexpr PresetTableLayout kStrokeListLayout{10, 1088, 1064};

using PresetRecord = std::array<uint8_t, kPresetRecordSize>;

struct PresetSlot {
    bool used = false;
    PresetRecord record{};
};

struct PresetTable {
    std::vector<PresetSlot> slots;
    int32_t current = 0;
};

enum class PresetFileResult { Read, CannotOpen, TooShort };

// Reads a table from the first bytes of the source; bytes past the table are not looked at.
// A source shorter than the table is refused and the table left as it was. What is read is
// made consistent: any non-zero used byte counts as used, used slots move to the front in
// their order, and the current index names a used slot (or 0 when none is used).
PresetFileResult readPresetTable(ByteSource& source, const PresetTableLayout& layout,
                                 PresetTable& table);
PresetFileResult readPresetTableFile(const std::string& path, const PresetTableLayout& layout,
                                     PresetTable& table);

// The table must have the layout's number of slots.
bool writePresetTable(ByteSink& sink, const PresetTableLayout& layout, const PresetTable& table);
// Through a temporary file renamed over the target: a failed write leaves the old file whole.
bool writePresetTableFile(const std::string& path, const PresetTableLayout& layout,
                          const PresetTable& table);

}  // namespace dw
