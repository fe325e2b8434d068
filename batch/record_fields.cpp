#include "batch/record_fields.h"

#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

#include "batch/batch_step.h"
#include "tools/brush_settings.h"
#include "tools/stroke_modifiers.h"

namespace dw::batch {

bool floatIn(std::string_view field, const std::string& text, float low, float high, float& value) {
    if (!parseFloat(text, value, field)) {
        return false;
    }
    if (value < low || value > high) {
        std::ostringstream range;
        range << field << " must lie in " << low << ".." << high << ", not " << text;
        reportStepError(range.str());
        return false;
    }
    return true;
}

namespace {

bool integerIn(std::string_view field, const std::string& text, int64_t low, int64_t high,
               int64_t& value) {
    if (!parseInteger(text, value, field)) {
        return false;
    }
    if (value < low || value > high) {
        reportStepError(std::string(field) + " must lie in " + std::to_string(low) + ".." +
                        std::to_string(high) + ", not " + text);
        return false;
    }
    return true;
}

// "PaintBrush" for "Paint Brush".
std::string compactName(const ToolInfo& info) {
    std::string name;
    for (char c : info.displayName) {
        if (c != ' ') {
            name.push_back(c);
        }
    }
    return name;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// "(0..18, not 3, 4 or 7)": the ids in the field's range that name no tool it accepts.
template <class Record>
std::string toolIds(const RecordField<Record>& field) {
    std::vector<int> gaps;
    for (int id = int(field.low); id <= int(field.high); ++id) {
        if (!field.accepts(id)) {
            gaps.push_back(id);
        }
    }
    std::ostringstream ids;
    ids << '(' << field.low << ".." << field.high;
    for (std::size_t i = 0; i < gaps.size(); ++i) {
        ids << (i == 0 ? ", not " : (i + 1 == gaps.size() ? " or " : ", ")) << gaps[i];
    }
    ids << ')';
    return ids.str();
}

template <class Record>
bool toolFrom(const RecordField<Record>& field, const std::string& text, double& value) {
    std::string names;
    for (const ToolInfo& info : allTools()) {
        if (!field.accepts(double(info.id))) {
            continue;
        }
        if (sameName(text, compactName(info))) {
            value = double(info.id);
            return true;
        }
        names.push_back(' ');
        names += compactName(info);
    }
    int64_t id = -1;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, id);
    if (ec == std::errc() && ptr == end && field.accepts(double(id))) {
        value = double(id);
        return true;
    }
    reportStepError(std::string(field.name) + " must be the id of a tool " + toolIds(field) +
                    " or one of the names" + names + "; not \"" + text + "\"");
    return false;
}

}  // namespace

template <class Record>
bool setField(const RecordField<Record>& field, const std::string& text, Record& record) {
    double value = 0.0;
    if (field.type == FieldType::Tool) {
        if (!toolFrom(field, text, value)) {
            return false;
        }
    } else if (field.type == FieldType::Float) {
        float f = 0.0f;
        if (!floatIn(field.name, text, float(field.low), float(field.high), f)) {
            return false;
        }
        value = f;
    } else {
        int64_t whole = 0;
        if (!integerIn(field.name, text, int64_t(field.low), int64_t(field.high), whole)) {
            return false;
        }
        value = double(whole);
    }
    field.put(record, value);
    return true;
}

template bool setField(const RecordField<BrushSettings>&, const std::string&, BrushSettings&);
template bool setField(const RecordField<StrokeModifiers>&, const std::string&, StrokeModifiers&);

}  // namespace dw::batch
