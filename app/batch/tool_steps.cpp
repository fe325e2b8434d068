#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>

#include "app/batch/batch_step.h"
#include "app/main_loop/play_script.h"
#include "tools/slider_conversions.h"
#include "tools/tool_table.h"

namespace dw::batch {
namespace {

constexpr int kLastPattern = 17;

// "F=V,F=V" split into its assignments; false with a message when one has no '='.
bool assignments(std::string_view step, std::string_view text,
                 std::vector<std::pair<std::string, std::string>>& result) {
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            reportStepError(std::string(step) +
                            " takes FIELD=VALUE pairs separated by commas, not \"" +
                            std::string(item) + "\"");
            return false;
        }
        result.emplace_back(std::string(item.substr(0, equals)),
                            std::string(item.substr(equals + 1)));
    }
    if (result.empty()) {
        reportStepError(std::string(step) + " needs at least one FIELD=VALUE");
        return false;
    }
    return true;
}

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

bool setBrushField(BrushSettings& brush, const std::string& field, const std::string& value) {
    int64_t v = 0;
    if (field == "red") {
        return byteIn(field, value, 255, brush.red);
    }
    if (field == "green") {
        return byteIn(field, value, 255, brush.green);
    }
    if (field == "blue") {
        return byteIn(field, value, 255, brush.blue);
    }
    if (field == "glossLevel") {
        return byteIn(field, value, 255, brush.glossLevel);
    }
    if (field == "hardness") {
        return byteIn(field, value, 255, brush.hardness);
    }
    if (field == "paintStyle") {
        return byteIn(field, value, kLastPattern, brush.paintStyle);
    }
    if (field == "texture") {
        return byteIn(field, value, kLastPattern, brush.texture);
    }
    if (field == "thickness") {
        return floatIn(field, value, 0.0f, thicknessFromSlider(100.0f), brush.thickness);
    }
    if (field == "amount") {
        return floatIn(field, value, 0.0f, 1.0f, brush.amount);
    }
    if (field == "size") {
        if (!integerIn(field, value, 1, 100, v)) {
            return false;
        }
        brush.size = int32_t(v);
        return true;
    }
    if (field == "tool") {
        return toolFrom(value, brush.tool);
    }
    reportStepError("--brush has no field \"" + field +
                    "\" (red green blue paintStyle thickness tool size amount glossLevel "
                    "texture hardness)");
    return false;
}

bool setStrokeField(StrokeModifiers& modifiers, const std::string& field,
                    const std::string& value) {
    const float huge = 1e30f;
    if (field == "fadeAmount") {
        return byteIn(field, value, 1, modifiers.fadeAmount);
    }
    if (field == "fadeSize") {
        return byteIn(field, value, 1, modifiers.fadeSize);
    }
    if (field == "wave") {
        return byteIn(field, value, 1, modifiers.wave);
    }
    float* target = field == "fadeAmountLength" ? &modifiers.fadeAmountLength
                    : field == "fadeSizeLength" ? &modifiers.fadeSizeLength
                    : field == "waveDepth"      ? &modifiers.waveDepth
                    : field == "wavePhase"      ? &modifiers.wavePhase
                    : field == "wavePeriod"     ? &modifiers.wavePeriod
                                                : nullptr;
    if (!target) {
        reportStepError("--stroke has no field \"" + field +
                        "\" (fadeAmount fadeSize wave fadeAmountLength fadeSizeLength "
                        "waveDepth wavePhase wavePeriod)");
        return false;
    }
    return floatIn(field, value, -huge, huge, *target);
}

// Applies every assignment to a copy first, so that a refused value changes nothing.
template <class Record, class Setter>
bool assign(std::string_view step, const std::string& text, Record& record, Setter&& set) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (!assignments(step, text, pairs)) {
        return false;
    }
    Record copy = record;
    for (const auto& [field, value] : pairs) {
        if (!set(copy, field, value)) {
            return false;
        }
    }
    record = copy;
    return true;
}

bool stepBrush(AppState& state, const StepArguments& args) {
    if (!assign("--brush", args[0], state.brush, setBrushField)) {
        return false;
    }
    state.footprint.invalidate();
    return true;
}

bool stepStroke(AppState& state, const StepArguments& args) {
    return assign("--stroke", args[0], state.strokeModifiers, setStrokeField);
}

bool stepOffsets(AppState& state, const StepArguments& args) {
    SamplingOffsets offsets;
    const float huge = 1e30f;
    if (!floatIn("textureOffsetX", args[0], -huge, huge, offsets.textureOffsetX) ||
        !floatIn("textureOffsetY", args[1], -huge, huge, offsets.textureOffsetY) ||
        !floatIn("styleOffsetX", args[2], -huge, huge, offsets.styleOffsetX) ||
        !floatIn("styleOffsetY", args[3], -huge, huge, offsets.styleOffsetY)) {
        return false;
    }
    state.offsets = offsets;
    return true;
}

bool stepPlay(AppState& state, const StepArguments& args) {
    std::ifstream file(args[0], std::ios::binary);
    if (!file) {
        reportStepError("cannot read the play script \"" + args[0] + "\"");
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<PlayEvent> events;
    std::string error;
    if (!ParsePlayScript(text.str(), events, error)) {
        reportStepError(args[0] + ", " + error);
        return false;
    }
    RunPlayScript(state, events);
    return true;
}

}  // namespace

void addToolSteps(std::vector<StepSpec>& steps) {
    steps.push_back({"--brush", "F=V[,F=V...]",
                     "set fields of the current brush (red green blue paintStyle thickness tool "
                     "size amount glossLevel texture hardness)",
                     1, 0, stepBrush});
    steps.push_back({"--stroke", "F=V[,F=V...]",
                     "set stroke modifiers (fadeAmount fadeSize wave fadeAmountLength "
                     "fadeSizeLength waveDepth wavePhase wavePeriod)",
                     1, 0, stepStroke});
    steps.push_back({"--offsets", "TX TY SX SY", "set the texture and style sampling offsets", 4, 0,
                     stepOffsets});
    steps.push_back(
        {"--play", "SCRIPT", "replay pointer input on the canvas window", 1, 1, stepPlay});
}

}  // namespace dw::batch
