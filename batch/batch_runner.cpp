#include "batch/batch_runner.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "batch/batch_step.h"
#include "core/app_state.h"
#include "core/start_up.h"

namespace dw::batch {
namespace {

struct PlannedStep {
    const StepSpec* step;
    StepArguments arguments;
};

std::vector<StepSpec> allSteps() {
    std::vector<StepSpec> steps;
    addDocumentSteps(steps);
    addPictureSteps(steps);
    addToolSteps(steps);
    addFilterSteps(steps);
    return steps;
}

void printUsage(const std::vector<StepSpec>& steps) {
    std::printf(
        "Usage: daubwerk-batch [--seed N] STEP...\n"
        "Runs Daubwerk's painting engine without a window. Steps run in the order given,\n"
        "starting from a white 600 x 600 painting; the first failing step ends the run.\n\n");
    for (const StepSpec& step : steps) {
        const std::string head = std::string(step.name) + " " + std::string(step.arguments);
        std::printf("  %-26s %.*s\n", head.c_str(), int(step.help.size()), step.help.data());
    }
    std::printf(
        "\n--play scripts, one event a line ('#' starts a comment):\n"
        "  move X Y [P]   pointer move to canvas window pixel (X, Y); P (0..1) is a pen's "
        "pressure\n"
        "  down, up       left button down, up\n"
        "  pen down, pen up  the pen touches and leaves the tablet; its moves press at 1 unless\n"
        "                 they give P, and --pressure says what the pressure changes\n"
        "  leave          the pointer leaves the window\n"
        "  pass [N]       N passes of the main loop without new input (default 1)\n"
        "  zoom Z         the zoom factor: 0.25, 0.5, 1, 2, 3 or 4\n");
    std::printf("\nExit status: 0 done, 1 a step failed, 2 the command line is wrong.\n");
}

std::string describe(const PlannedStep& step) {
    std::string text(step.step->name);
    for (const std::string& argument : step.arguments) {
        text += " " + argument;
    }
    return text;
}

bool plan(const std::vector<std::string>& arguments, const std::vector<StepSpec>& steps,
          std::vector<PlannedStep>& planned) {
    for (std::size_t i = 0; i < arguments.size();) {
        const std::string& name = arguments[i];
        const StepSpec* step = nullptr;
        for (const StepSpec& candidate : steps) {
            if (candidate.name == name) {
                step = &candidate;
            }
        }
        if (!step) {
            reportStepError("unknown step \"" + name + "\" (see daubwerk-batch --help)");
            return false;
        }
        if (arguments.size() - i - 1 < std::size_t(step->argumentCount)) {
            reportStepError(name + " needs " + std::string(step->arguments));
            return false;
        }
        PlannedStep entry{step, {}};
        for (int k = 0; k < step->argumentCount; ++k) {
            std::string value = arguments[i + 1 + std::size_t(k)];
            if (step->pathArguments & (1u << k)) {
                value = std::filesystem::absolute(value).lexically_normal().string();
            }
            entry.arguments.push_back(std::move(value));
        }
        i += 1 + std::size_t(step->argumentCount);
        planned.push_back(std::move(entry));
    }
    return true;
}

}  // namespace

int runBatch(const std::vector<std::string>& arguments, const std::string& dataDirectory) {
    const std::vector<StepSpec> steps = allSteps();
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        printUsage(steps);
        return arguments.empty() ? kExitUsage : kExitOk;
    }
    std::vector<PlannedStep> planned;
    if (!plan(arguments, steps, planned)) {
        return kExitUsage;
    }
    if (chdir(dataDirectory.c_str()) != 0) {
        reportStepError("cannot enter the program's folder " + dataDirectory);
        return kExitStepFailed;
    }
    AppState state;
    startUp(state);
    for (std::size_t i = 0; i < planned.size(); ++i) {
        if (!planned[i].step->run(state, planned[i].arguments)) {
            reportStepError("step " + std::to_string(i + 1) + " (" + describe(planned[i]) +
                            ") failed; nothing after it was run");
            return kExitStepFailed;
        }
    }
    return kExitOk;
}

}  // namespace dw::batch
