// The preset list files: their bytes, what a damaged or hostile file becomes on the way in.
#include <gtest/gtest.h>

#include "core/preset_records.h"
#include "files/preset_table_file.h"

namespace dw {
namespace {

PresetTable emptyTable(const PresetTableLayout& layout) {
    PresetTable table;
    table.slots.resize(std::size_t(layout.slotCount));
    return table;
}

std::vector<uint8_t> bytesOf(const PresetTableLayout& layout, const PresetTable& table) {
    MemorySink sink;
    EXPECT_TRUE(writePresetTable(sink, layout, table));
    return sink.bytes();
}

PresetFileResult readBytes(const PresetTableLayout& layout, const std::vector<uint8_t>& bytes,
                           PresetTable& table) {
    MemorySource source(bytes);
    return readPresetTable(source, layout, table);
}

TEST(PresetTableFile, PaletteAndStrokeFilesAreTheRawTables) {
    PresetTable palette = emptyTable(kBrushPaletteLayout);
    const BrushSettings brush{1, 2, 3, 4, 2.5f, ToolId::Knife, 42, 0.25f, 200, 5, 60, 7};
    palette.slots[2] = {true, recordOf(brush)};
    palette.current = 2;
    const std::vector<uint8_t> p = bytesOf(kBrushPaletteLayout, palette);
    ASSERT_EQ(p.size(), 1444u);
    const std::vector<uint8_t> slot2(p.begin() + 64, p.begin() + 96);
    EXPECT_EQ(slot2,
              (std::vector<uint8_t>{1,  0, 0, 0, 0,  0, 0, 0, 1, 2, 3,    4,    0,   0, 0x20, 0x40,
                                    17, 0, 0, 0, 42, 0, 0, 0, 0, 0, 0x80, 0x3E, 200, 5, 60,   7}));
    EXPECT_EQ(p[1440], 2);
    EXPECT_EQ(p[32], 0);

    PresetTable strokes = emptyTable(kStrokeListLayout);
    StrokeModifiers stroke;
    stroke.fadeAmount = 1;
    stroke.wave = 1;
    stroke.fadeAmountLength = 50.0f;
    strokes.slots[1] = {true, recordOf(stroke)};
    const std::vector<uint8_t> s = bytesOf(kStrokeListLayout, strokes);
    ASSERT_EQ(s.size(), 10884u);
    EXPECT_EQ(s[1088], 1);
    const std::vector<uint8_t> record(s.begin() + 2152, s.begin() + 2176);
    EXPECT_EQ(record, (std::vector<uint8_t>{1, 0, 1,    0,    0, 0, 0x48, 0x42, 0, 0, 0xC8, 0x42,
                                            0, 0, 0xA0, 0x40, 0, 0, 0,    0,    0, 0, 0,    0}));
}

TEST(PresetTableFile, ShortFilesAreRefusedLongerOnesReadToTheirTableUsedSlotsFirst) {
    PresetTable table = emptyTable(kBrushPaletteLayout);
    table.slots[0] = {true, recordOf(BrushSettings{})};
    std::vector<uint8_t> bytes = bytesOf(kBrushPaletteLayout, table);
    PresetTable kept = emptyTable(kBrushPaletteLayout);
    kept.current = 9;
    EXPECT_EQ(readBytes(kBrushPaletteLayout, {bytes.begin(), bytes.end() - 1}, kept),
              PresetFileResult::TooShort);
    EXPECT_EQ(kept.current, 9);
    EXPECT_FALSE(kept.slots[0].used);
    bytes.resize(5000, 0xEE);
    ASSERT_EQ(readBytes(kBrushPaletteLayout, bytes, kept), PresetFileResult::Read);
    EXPECT_TRUE(kept.slots[0].used);
    EXPECT_FALSE(kept.slots[1].used);

    // Used slots move to the front and the index stays inside.
    std::vector<uint8_t> strokes(kStrokeListLayout.tableSize(), 0);
    strokes[1 * 1088] = 7;  // any non-zero used byte counts
    strokes[1 * 1088 + 1064] = 0x11;
    strokes[3 * 1088] = 1;
    strokes[3 * 1088 + 1064] = 0x33;
    storeLE32(strokes.data() + 10880, 5);
    PresetTable read;
    ASSERT_EQ(readBytes(kStrokeListLayout, strokes, read), PresetFileResult::Read);
    EXPECT_TRUE(read.slots[0].used && read.slots[1].used && !read.slots[2].used);
    EXPECT_EQ(read.slots[0].record[0], 0x11);
    EXPECT_EQ(read.slots[1].record[0], 0x33);
    EXPECT_EQ(read.current, 1);
    storeLE32(strokes.data() + 10880, uint32_t(-4));
    ASSERT_EQ(readBytes(kStrokeListLayout, strokes, read), PresetFileResult::Read);
    EXPECT_EQ(read.current, 0);
}

}  // namespace
}  // namespace dw
