#include <cctype>

#include "app/batch/batch_step.h"
#include "app/painting_commands.h"

namespace dw::batch {
namespace {

bool endsWith(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = text[text.size() - suffix.size() + i];
        if (std::tolower(static_cast<unsigned char>(c)) != suffix[i]) {
            return false;
        }
    }
    return true;
}

bool stepExport(AppState& state, const StepArguments& args) {
    if (endsWith(args[0], ".bmp")) {
        return exportPaintingBitmap(state, args[0]);
    }
    reportStepError("--export writes .bmp files; \"" + args[0] + "\" names another kind");
    return false;
}

}  // namespace

void addPictureSteps(std::vector<StepSpec>& steps) {
    steps.push_back(
        {"--export", "PATH", "shade and write the painting as shown (.bmp)", 1, 1, stepExport});
}

}  // namespace dw::batch
