#pragma once

#include <string>
#include <vector>

namespace dw::batch {

// Exit statuses of daubwerk-batch.
inline constexpr int kExitOk = 0;
inline constexpr int kExitStepFailed = 1;
inline constexpr int kExitUsage = 2;

// Runs daubwerk-batch on its arguments (without the program name). User paths are resolved
// against the current directory; the tool's own data is looked up in dataDirectory.
int runBatch(const std::vector<std::string>& arguments, const std::string& dataDirectory);

}  // namespace dw::batch
