#pragma once

#include <chrono>
#include <optional>

namespace dw::platform {

// A whole number of seconds from 1 to longest in the environment variable; nothing when it is
// unset, empty, not a number or out of range, which is taken for a mistake.
std::optional<std::chrono::seconds> secondsFromEnvironment(const char* name,
                                                           std::chrono::seconds longest);

}  // namespace dw::platform
