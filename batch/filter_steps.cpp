#include <string>

#include "batch/batch_step.h"
#include "filters/filter_commands.h"

namespace dw::batch {
namespace {

std::string filterNameList() {
    std::string list;
    for (const FilterCommand& command : filterCommands()) {
        if (!list.empty()) {
            list += ", ";
        }
        list += command.batchName;
    }
    return list;
}

bool stepFilter(AppState& state, const StepArguments& args) {
    const FilterCommand* command = filterNamed(args[0]);
    if (!command) {
        reportStepError("unknown filter \"" + args[0] + "\"; the filters are: " + filterNameList());
        return false;
    }
    command->run(state.painting, state.history,
                 FilterInputs{state.brush, state.offsets, state.patterns, state.random});
    return true;
}

}  // namespace

void addFilterSteps(std::vector<StepSpec>& steps) {
    steps.push_back({"--filter", "NAME",
                     "a Filters menu command or Image > Flatten (invert-color, ...)", 1, 0,
                     stepFilter});
}

}  // namespace dw::batch
