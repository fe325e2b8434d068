#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/record_field.h"

namespace dw::batch {

// Sets a field of a --brush or --stroke from its text; a value the field does not accept is
// refused with a message that names the range, and the record is left as it was.
template <class Record>
bool setField(const RecordField<Record>& field, const std::string& text, Record& record);

// The fields the user may set, separated by spaces.
template <class Record>
std::string fieldNames(std::span<const RecordField<Record>> fields) {
    std::string names;
    for (const RecordField<Record>& field : fields) {
        if (field.settable) {
            names += names.empty() ? "" : " ";
            names += field.name;
        }
    }
    return names;
}

// A float field's value, refused with a message unless it lies in low..high.
bool floatIn(std::string_view field, const std::string& text, float low, float high, float& value);

}  // namespace dw::batch
