#include <algorithm>
#include <fstream>
#include <sstream>

#include "batch/batch_step.h"
#include "batch/record_fields.h"
#include "core/main_loop/play_script.h"
#include "tools/brush_fields.h"
#include "tools/stroke_fields.h"

namespace dw::batch {
namespace {

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

// Applies every assignment to a copy first, so that a refused value changes nothing.
template <class Record>
bool assign(std::string_view step, const std::string& text, Record& record,
            std::span<const RecordField<Record>> fields) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (!assignments(step, text, pairs)) {
        return false;
    }
    Record copy = record;
    for (const auto& pair : pairs) {
        const std::string& name = pair.first;
        const std::string& value = pair.second;
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) {
            return f.settable && f.name == name;
        });
        if (field == fields.end()) {
            reportStepError(std::string(step) + " has no field \"" + name + "\" (" +
                            fieldNames(fields) + ")");
            return false;
        }
        if (!setField(*field, value, copy)) {
            return false;
        }
    }
    record = copy;
    return true;
}

bool stepBrush(AppState& state, const StepArguments& args) {
    if (!assign("--brush", args[0], state.brush, brushFields())) {
        return false;
    }
    state.footprint.invalidate();
    return true;
}

bool stepStroke(AppState& state, const StepArguments& args) {
    return assign("--stroke", args[0], state.strokeModifiers, strokeFields());
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

bool stepPressure(AppState& state, const StepArguments& args) {
    if (!parsePressureMode(args[0], state.pressureMode)) {
        reportStepError("--pressure takes off, size, amount or both, not \"" + args[0] + "\"");
        return false;
    }
    return true;
}

bool stepContinuous(AppState& state, const StepArguments& args) {
    if (args[0] != "on" && args[0] != "off") {
        reportStepError("--continuous takes on or off, not \"" + args[0] + "\"");
        return false;
    }
    state.continuousStrokes = args[0] == "on";
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
    static const std::string brushHelp =
        "set brush fields: " + fieldNames(brushFields()) + " (tool=PaintBrush, Knife, ...)";
    static const std::string strokeHelp = "set stroke modifiers: " + fieldNames(strokeFields());
    steps.push_back({"--brush", "F=V[,F=V...]", brushHelp, 1, 0, stepBrush});
    steps.push_back({"--stroke", "F=V[,F=V...]", strokeHelp, 1, 0, stepStroke});
    steps.push_back({"--offsets", "TX TY SX SY", "set the texture and style sampling offsets", 4, 0,
                     stepOffsets});
    steps.push_back({"--pressure", "off|size|amount|both",
                     "what a pen's pressure modulates in --play (mouse input ignores it)", 1, 0,
                     stepPressure});
    steps.push_back({"--continuous", "on|off",
                     "Continuous Strokes: a fast stroke lays the dabs it skipped", 1, 0,
                     stepContinuous});
    steps.push_back({"--play", "SCRIPT", "replay pointer (and pen) input on the canvas window", 1,
                     1, stepPlay});
}

}  // namespace dw::batch
