#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>

namespace dw::test {

// Root passes every permission check; tests of what a user may not do run as nobody.
inline constexpr uid_t kNobody = 65534;

bool runningAsRoot();

// Runs body in a child process as nobody and returns its exit status (-1 when it did not exit
// normally). Only for root.
int runAsNobody(const std::function<int()>& body);

// Hands a folder and everything in it to nobody.
void giveToNobody(const std::filesystem::path& folder);

}  // namespace dw::test
