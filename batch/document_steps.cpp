#include "batch/batch_step.h"
#include "core/document_arrival.h"
#include "core/painting_commands.h"

namespace dw::batch {
namespace {

bool parseSize(const StepArguments& args, int64_t& width, int64_t& height) {
    return parseInteger(args[0], width, "the width") && parseInteger(args[1], height, "the height");
}

bool stepSeed(AppState& state, const StepArguments& args) {
    uint32_t seed = 0;
    if (!parseUnsigned(args[0], seed, "the seed")) {
        return false;
    }
    state.random.seed(seed);
    return true;
}

bool stepNew(AppState& state, const StepArguments& args) {
    int64_t width = 0;
    int64_t height = 0;
    return parseSize(args, width, height) && newPainting(state, width, height);
}

bool stepResize(AppState& state, const StepArguments& args) {
    int64_t width = 0;
    int64_t height = 0;
    return parseSize(args, width, height) && resizePainting(state, width, height);
}

bool stepOpen(AppState& state, const StepArguments& args) {
    return receiveArrival(state, args[0], Arrival::Open);
}

bool stepSave(AppState& state, const StepArguments& args) {
    return savePainting(state, args[0], SaveFormat::Document);
}

bool stepSaveExact(AppState& state, const StepArguments& args) {
    return savePainting(state, args[0], SaveFormat::Exact);
}

bool stepLighting(AppState& state, const StepArguments& args) {
    if (args[0] != "on" && args[0] != "off") {
        reportStepError("--lighting takes on or off, not \"" + args[0] + "\"");
        return false;
    }
    setLighting(state, args[0] == "on");
    return true;
}

bool stepUndo(AppState& state, const StepArguments&) {
    if (!state.history.undoEnabled()) {
        reportStepError("there is nothing to undo");
        return false;
    }
    state.history.undo(state.painting);
    return true;
}

bool stepRedo(AppState& state, const StepArguments&) {
    if (!state.history.redoEnabled()) {
        reportStepError("there is nothing to redo");
        return false;
    }
    state.history.redo(state.painting);
    return true;
}

bool stepUndoSteps(AppState& state, const StepArguments& args) {
    uint32_t steps = 0;
    if (!parseUnsigned(args[0], steps, "the undo steps")) {
        return false;
    }
    if (steps < 1 || steps > UndoHistory::kMostSteps) {
        reportStepError("--undo-steps takes 1 to " + std::to_string(UndoHistory::kMostSteps) +
                        ", not \"" + args[0] + "\"");
        return false;
    }
    state.history.setSteps(steps);
    return true;
}

}  // namespace

void addDocumentSteps(std::vector<StepSpec>& steps) {
    steps.push_back({"--seed", "N", "seed the random generator (1 at start)", 1, 0, stepSeed});
    steps.push_back({"--new", "W H", "File > New at W x H", 2, 0, stepNew});
    steps.push_back({"--open", "PATH", "load a painting document", 1, 1, stepOpen});
    steps.push_back({"--save", "PATH", "write a document (version 2)", 1, 1, stepSave});
    steps.push_back({"--save-exact", "PATH", "write a lossless document (version 1, raw cells)", 1,
                     1, stepSaveExact});
    steps.push_back({"--lighting", "on|off", "View > Lighting", 1, 0, stepLighting});
    steps.push_back({"--resize", "W H", "Image > Image Size", 2, 0, stepResize});
    steps.push_back({"--undo", "", "Edit > Undo", 0, 0, stepUndo});
    steps.push_back({"--redo", "", "Edit > Redo", 0, 0, stepRedo});
    steps.push_back(
        {"--undo-steps", "N", "how far Undo goes back (1..100, 5 at start)", 1, 0, stepUndoSteps});
}

}  // namespace dw::batch
