#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw::batch {

// One field that --brush or --stroke may set: its name and how a value is taken, with its
// range checked and reported when it is out.
template <class Record>
struct RecordField {
    std::string_view name;
    bool (*set)(Record& record, const std::string& value);
};

// The one list of each record's fields: the parser, the help text and the README name them
// from here.
std::span<const RecordField<BrushSettings>> brushFields();
std::span<const RecordField<StrokeModifiers>> strokeFields();

// A float field's value, refused with a message unless it lies in low..high.
bool floatIn(std::string_view field, const std::string& text, float low, float high, float& value);

// The names separated by spaces.
template <class Record>
std::string fieldNames(std::span<const RecordField<Record>> fields) {
    std::string names;
    for (const RecordField<Record>& field : fields) {
        names += names.empty() ? "" : " ";
        names += field.name;
    }
    return names;
}

}  // namespace dw::batch
