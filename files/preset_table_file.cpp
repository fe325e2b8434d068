#include "files/preset_table_file.h"

#include <algorithm>
#include <cstring>

#include "files/file_stream.h"
#include "files/safe_file_writer.h"

namespace dw {
namespace {

void makeConsistent(PresetTable& table) {
    std::stable_partition(table.slots.begin(), table.slots.end(),
                          [](const PresetSlot& slot) { return slot.used; });
    const auto used = std::count_if(table.slots.begin(), table.slots.end(),
                                    [](const PresetSlot& slot) { return slot.used; });
    table.current = std::clamp<int32_t>(table.current, 0, std::max<int32_t>(int32_t(used) - 1, 0));
}

}  // namespace

PresetFileResult readPresetTable(ByteSource& source, const PresetTableLayout& layout,
                                 PresetTable& table) {
    std::vector<uint8_t> bytes(layout.tableSize());
    if (!readExact(source, bytes.data(), bytes.size())) {
        return PresetFileResult::TooShort;
    }
    PresetTable read;
    read.slots.resize(std::size_t(layout.slotCount));
    for (int i = 0; i < layout.slotCount; ++i) {
        const uint8_t* slot = bytes.data() + std::size_t(i) * layout.slotSize;
        read.slots[std::size_t(i)].used = slot[0] != 0;
        std::memcpy(read.slots[std::size_t(i)].record.data(), slot + layout.recordOffset,
                    kPresetRecordSize);
    }
    read.current = int32_t(loadLE32(bytes.data() + bytes.size() - 4));
    makeConsistent(read);
    table = std::move(read);
    return PresetFileResult::Read;
}

PresetFileResult readPresetTableFile(const std::string& path, const PresetTableLayout& layout,
                                     PresetTable& table) {
    FileStream file;
    if (!file.open(path, FileMode::Read)) {
        return PresetFileResult::CannotOpen;
    }
    return readPresetTable(file, layout, table);
}

bool writePresetTable(ByteSink& sink, const PresetTableLayout& layout, const PresetTable& table) {
    if (table.slots.size() != std::size_t(layout.slotCount)) {
        return false;
    }
    std::vector<uint8_t> bytes(layout.tableSize(), 0);
    for (int i = 0; i < layout.slotCount; ++i) {
        uint8_t* slot = bytes.data() + std::size_t(i) * layout.slotSize;
        const PresetSlot& from = table.slots[std::size_t(i)];
        slot[0] = from.used ? 1 : 0;
        std::memcpy(slot + layout.recordOffset, from.record.data(), kPresetRecordSize);
    }
    storeLE32(bytes.data() + bytes.size() - 4, uint32_t(table.current));
    return sink.write(bytes.data(), bytes.size());
}

bool writePresetTableFile(const std::string& path, const PresetTableLayout& layout,
                          const PresetTable& table) {
    SafeFileWriter writer;
    return writer.begin(path) && writePresetTable(writer.stream(), layout, table) &&
           writer.commit();
}

}  // namespace dw
