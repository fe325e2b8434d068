#include "batch/record_fields.h"

#include <cctype>
#include <charconv>
#include <sstream>

#include "batch/batch_step.h"
#include "canvas/pattern_images.h"
#include "tools/slider_conversions.h"
#include "tools/tool_table.h"

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

constexpr int kLastPattern = kPatternCount - 1;
constexpr float kHuge = 1e30f;

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

bool byteIn(std::string_view field, const std::string& text, int64_t high, uint8_t& value) {
    int64_t v = 0;
    if (!integerIn(field, text, 0, high, v)) {
        return false;
    }
    value = uint8_t(v);
    return true;
}

// "PaintBrush" for "Paint Brush"; Fill, which shows no name, is "Fill".
std::string compactName(const ToolInfo& info) {
    if (info.id == ToolId::Fill) {
        return "Fill";
    }
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

bool toolFrom(const std::string& text, ToolId& tool) {
    for (const ToolInfo& info : allTools()) {
        if (sameName(text, compactName(info))) {
            tool = info.id;
            return true;
        }
    }
    int64_t id = -1;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, id);
    if (ec == std::errc() && ptr == end && id >= 0 && id <= 255 && findTool(ToolId(uint32_t(id)))) {
        tool = ToolId(uint32_t(id));
        return true;
    }
    std::string names;
    for (const ToolInfo& info : allTools()) {
        names.push_back(' ');
        names.append(compactName(info));
    }
    reportStepError("tool must be the id of a tool (0..18, not 3 or 4) or one of the names" +
                    names + "; not \"" + text + "\"");
    return false;
}

constexpr RecordField<BrushSettings> kBrushFields[] = {
    {"red", [](BrushSettings& b, const std::string& v) { return byteIn("red", v, 255, b.red); }},
    {"green",
     [](BrushSettings& b, const std::string& v) { return byteIn("green", v, 255, b.green); }},
    {"blue", [](BrushSettings& b, const std::string& v) { return byteIn("blue", v, 255, b.blue); }},
    {"paintStyle",
     [](BrushSettings& b, const std::string& v) {
         return byteIn("paintStyle", v, kLastPattern, b.paintStyle);
     }},
    {"thickness",
     [](BrushSettings& b, const std::string& v) {
         return floatIn("thickness", v, 0.0f, thicknessFromSlider(100.0f), b.thickness);
     }},
    {"tool", [](BrushSettings& b, const std::string& v) { return toolFrom(v, b.tool); }},
    {"size",
     [](BrushSettings& b, const std::string& v) {
         int64_t size = 0;
         if (!integerIn("size", v, 1, 100, size)) {
             return false;
         }
         b.size = int32_t(size);
         return true;
     }},
    {"amount", [](BrushSettings& b,
                  const std::string& v) { return floatIn("amount", v, 0.0f, 1.0f, b.amount); }},
    {"glossLevel", [](BrushSettings& b,
                      const std::string& v) { return byteIn("glossLevel", v, 255, b.glossLevel); }},
    {"texture", [](BrushSettings& b,
                   const std::string& v) { return byteIn("texture", v, kLastPattern, b.texture); }},
    {"hardness",
     [](BrushSettings& b, const std::string& v) { return byteIn("hardness", v, 255, b.hardness); }},
};

constexpr RecordField<StrokeModifiers> kStrokeFields[] = {
    {"fadeAmount", [](StrokeModifiers& m,
                      const std::string& v) { return byteIn("fadeAmount", v, 1, m.fadeAmount); }},
    {"fadeSize",
     [](StrokeModifiers& m, const std::string& v) { return byteIn("fadeSize", v, 1, m.fadeSize); }},
    {"wave", [](StrokeModifiers& m, const std::string& v) { return byteIn("wave", v, 1, m.wave); }},
    {"fadeAmountLength",
     [](StrokeModifiers& m, const std::string& v) {
         return floatIn("fadeAmountLength", v, -kHuge, kHuge, m.fadeAmountLength);
     }},
    {"fadeSizeLength",
     [](StrokeModifiers& m, const std::string& v) {
         return floatIn("fadeSizeLength", v, -kHuge, kHuge, m.fadeSizeLength);
     }},
    {"waveDepth",
     [](StrokeModifiers& m, const std::string& v) {
         return floatIn("waveDepth", v, -kHuge, kHuge, m.waveDepth);
     }},
    {"wavePhase",
     [](StrokeModifiers& m, const std::string& v) {
         return floatIn("wavePhase", v, -kHuge, kHuge, m.wavePhase);
     }},
    {"wavePeriod",
     [](StrokeModifiers& m, const std::string& v) {
         return floatIn("wavePeriod", v, -kHuge, kHuge, m.wavePeriod);
     }},
};

}  // namespace

std::span<const RecordField<BrushSettings>> brushFields() {
    return kBrushFields;
}

std::span<const RecordField<StrokeModifiers>> strokeFields() {
    return kStrokeFields;
}

}  // namespace dw::batch
