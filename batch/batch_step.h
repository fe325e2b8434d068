#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app_state.h"

namespace dw::batch {

using StepArguments = std::vector<std::string>;
// Runs one step; reports its own failures (through message boxes or standard error).
using StepRunner = bool (*)(AppState& state, const StepArguments& arguments);

struct StepSpec {
    std::string_view name;       // "--new"
    std::string_view arguments;  // "W H", shown in the usage
    std::string_view help;
    int argumentCount = 0;
    // Bit i set: argument i is a path given by the user, resolved against the directory the
    // tool was started in.
    uint32_t pathArguments = 0;
    StepRunner run = nullptr;
};

// Each family of steps lives with the commands it drives.
void addDocumentSteps(std::vector<StepSpec>& steps);
void addPictureSteps(std::vector<StepSpec>& steps);
void addToolSteps(std::vector<StepSpec>& steps);
void addFilterSteps(std::vector<StepSpec>& steps);

// Argument helpers: each reports a bad value on standard error and returns false.
bool parseInteger(std::string_view text, int64_t& value, std::string_view what);
bool parseUnsigned(std::string_view text, uint32_t& value, std::string_view what);
bool parseFloat(std::string_view text, float& value, std::string_view what);
void reportStepError(std::string_view message);

}  // namespace dw::batch
