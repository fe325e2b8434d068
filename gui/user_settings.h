#pragma once

#include <QString>
#include <optional>

namespace dw {

struct AppState;

// The user's settings beyond prefs.dat, in $XDG_CONFIG_HOME/daubwerk/daubwerk.conf (INI).
QString userSettingsPath();
// A missing file or an unknown value leaves the start-up value.
void loadUserSettings(AppState& state);
void saveUserSettings(const AppState& state);
// autosave/minutes: how often an unsaved painting is kept for recovery, when the user set it.
std::optional<int> autosaveMinutesSetting();

}  // namespace dw
