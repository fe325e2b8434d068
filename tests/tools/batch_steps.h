#pragma once

#include <string>
#include <vector>

#include "batch/batch_step.h"
#include "core/app_state.h"

namespace dw::test {

// Runs one document or tool step, its name first, as the batch tool would; an unknown name is
// a refusal.
inline bool runStep(AppState& state, const std::vector<std::string>& step) {
    std::vector<batch::StepSpec> specs;
    batch::addDocumentSteps(specs);
    batch::addToolSteps(specs);
    for (const batch::StepSpec& spec : specs) {
        if (spec.name == step[0]) {
            return spec.run(state, {step.begin() + 1, step.end()});
        }
    }
    return false;
}

}  // namespace dw::test
