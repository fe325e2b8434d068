#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "tools/tool_table.h"

namespace dw {

enum class FieldType { Byte, Int32, Float, Tool };

// One field of a record that the user sets and presets store: the name the batch tool knows
// it by, its member, and the values the program's own controls can give it. Everything that
// takes a value from the user refuses one outside that range, and a stored record read back
// holds each value to it; the start-up value is the record's own initialiser.
template <class Record>
struct RecordField {
    std::string_view name;
    FieldType type;
    double (*get)(const Record& record);
    void (*put)(Record& record, double value);  // a value the field accepts
    double low;
    double high;
    // Kept in presets byte for byte, but set by no control, so the user cannot name it.
    bool settable = true;

    // A byte, or four bytes little-endian, in a stored record.
    constexpr std::size_t storedSize() const { return type == FieldType::Byte ? 1 : 4; }
    double startValue() const { return get(Record{}); }

    // Whole numbers only for the integer fields, and of the tools only those a control chooses.
    bool accepts(double value) const {
        if (!(value >= low && value <= high)) {
            return false;
        }
        switch (type) {
            case FieldType::Float:
                return true;
            case FieldType::Tool:
                return selectableTool(ToolId(uint32_t(value)));
            default:
                return value == std::trunc(value);
        }
    }

    // What a stored value becomes: a tool no control chooses and a float that is not a number
    // take the start-up value; the rest is held to the range.
    double held(double stored) const {
        if (accepts(stored)) {
            return stored;
        }
        if (std::isnan(stored) || type == FieldType::Tool) {
            return startValue();
        }
        return std::clamp(stored, low, high);
    }
};

namespace record_field {

template <class T>
struct MemberOf;
template <class R, class T>
struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};

template <class T>
constexpr FieldType typeOf() {
    if constexpr (std::is_same_v<T, uint8_t>) {
        return FieldType::Byte;
    } else if constexpr (std::is_same_v<T, int32_t>) {
        return FieldType::Int32;
    } else if constexpr (std::is_same_v<T, float>) {
        return FieldType::Float;
    } else {
        static_assert(std::is_same_v<T, ToolId>);
        return FieldType::Tool;
    }
}

}  // namespace record_field

// The field of `Member`: fieldOf<&BrushSettings::size>("size", 1, 100).
template <auto Member, class Record = typename record_field::MemberOf<decltype(Member)>::Record>
constexpr RecordField<Record> fieldOf(std::string_view name, double low, double high,
                                      bool settable = true) {
    using T = typename record_field::MemberOf<decltype(Member)>::Type;
    if constexpr (std::is_same_v<T, ToolId>) {
        return {name,
                FieldType::Tool,
                [](const Record& r) { return double(uint32_t(r.*Member)); },
                [](Record& r, double v) { r.*Member = ToolId(uint32_t(v)); },
                low,
                high,
                settable};
    } else {
        return {name,
                record_field::typeOf<T>(),
                [](const Record& r) { return double(r.*Member); },
                [](Record& r, double v) { r.*Member = T(v); },
                low,
                high,
                settable};
    }
}

template <class Record>
constexpr std::size_t storedSize(std::span<const RecordField<Record>> fields) {
    std::size_t size = 0;
    for (const RecordField<Record>& field : fields) {
        size += field.storedSize();
    }
    return size;
}

}  // namespace dw
