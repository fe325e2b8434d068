#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dw {

// "prefs.dat": two raw bytes, a first-run flag (1 when the file is made, 0 after every
// shut-down; never read for anything) and the lighting switch.
struct Preferences {
    uint8_t firstRun = 1;
    uint8_t lighting = 1;
};

inline constexpr const char* kPreferencesFile = "prefs.dat";

// Nothing when the file cannot be read whole, which counts as a first run.
std::optional<Preferences> readPreferences(const std::string& path);
// Through a temporary file, so that a crash never leaves half of it.
bool writePreferences(const std::string& path, const Preferences& preferences);

}  // namespace dw
