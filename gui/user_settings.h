#pragma once

#include <QString>

namespace dw {

struct AppState;

// The user's settings beyond prefs.dat, in $XDG_CONFIG_HOME/daubwerk/daubwerk.conf (INI).
QString userSettingsPath();
// A missing file or an unknown value leaves the start-up value.
void loadUserSettings(AppState& state);
void saveUserSettings(const AppState& state);

}  // namespace dw
