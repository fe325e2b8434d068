#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace dw::platform {

// One argument of a desktop entry's Exec key, quoted and escaped so that any path survives:
// spaces, quotes, backslashes, dollar signs and percent signs included.
std::string execArgument(std::string_view argument);

// The application entry: Exec runs programFolder/daubwerk with the painting's path.
std::string desktopEntryFor(const std::filesystem::path& programFolder);

// The thumbnailer entry: programFolder/daubwerk-batch renders a painting as a PNG picture.
std::string thumbnailerEntryFor(const std::filesystem::path& programFolder);

}  // namespace dw::platform
