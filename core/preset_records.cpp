#include "core/preset_records.h"

#include <bit>

#include "tools/brush_fields.h"
#include "tools/stroke_fields.h"

namespace dw {
namespace {

static_assert(storedSize(brushFields()) == kPresetRecordSize);
static_assert(storedSize(strokeFields()) == kPresetRecordSize);

template <class Record>
PresetRecord recordFrom(const Record& record, std::span<const RecordField<Record>> fields) {
    PresetRecord bytes{};
    uint8_t* at = bytes.data();
    for (const RecordField<Record>& field : fields) {
        const double value = field.get(record);
        switch (field.type) {
            case FieldType::Byte:
                *at = uint8_t(value);
                break;
            case FieldType::Float:
                storeLE32(at, std::bit_cast<uint32_t>(float(value)));
                break;
            case FieldType::Int32:
                storeLE32(at, uint32_t(int32_t(value)));
                break;
            case FieldType::Tool:
                storeLE32(at, uint32_t(value));
                break;
        }
        at += field.storedSize();
    }
    return bytes;
}

template <class Record>
Record soundRecord(const PresetRecord& bytes, std::span<const RecordField<Record>> fields) {
    Record record;
    const uint8_t* at = bytes.data();
    for (const RecordField<Record>& field : fields) {
        double stored = 0.0;
        switch (field.type) {
            case FieldType::Byte:
                stored = *at;
                break;
            case FieldType::Float:
                stored = std::bit_cast<float>(loadLE32(at));
                break;
            case FieldType::Int32:
                stored = int32_t(loadLE32(at));
                break;
            case FieldType::Tool:
                stored = loadLE32(at);
                break;
        }
        field.put(record, field.held(stored));
        at += field.storedSize();
    }
    return record;
}

}  // namespace

PresetRecord recordOf(const BrushSettings& brush) {
    return recordFrom(brush, brushFields());
}

PresetRecord recordOf(const StrokeModifiers& stroke) {
    return recordFrom(stroke, strokeFields());
}

BrushSettings soundBrush(const PresetRecord& record) {
    return soundRecord(record, brushFields());
}

StrokeModifiers soundStroke(const PresetRecord& record) {
    return soundRecord(record, strokeFields());
}

}  // namespace dw
