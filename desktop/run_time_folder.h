#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace dw::platform {

// What the program writes while it runs, relative to its working directory.
inline constexpr std::array<std::string_view, 3> kRunTimeWrittenNames = {"data", "prefs.dat",
                                                                         "dw_sendfile_to_app.txt"};

// The directory start-up makes current. The program's folder itself when the program may
// write there; otherwise (a system-wide install owned by root) the per-user folder
// dataHome/daubwerk, holding a real data/ (seeded once from the program's) beside symbolic
// links to every other entry of the program folder, so that each relative path the program
// uses keeps working and presets and preferences are kept. When that folder cannot be
// prepared either, the program's folder is returned: the run goes on, its writes fail.
std::filesystem::path chooseRunTimeFolder(const std::filesystem::path& programFolder,
                                          const std::filesystem::path& dataHome);

}  // namespace dw::platform
