#pragma once

#include <filesystem>

namespace dw::platform {

// Where this user's desktop data lives: $XDG_DATA_HOME when it names an absolute folder,
// otherwise ~/.local/share, as the freedesktop base directories have it.
std::filesystem::path userDataHome();

// Where this user's state that outlives a run lives: $XDG_STATE_HOME when it names an absolute
// folder, otherwise ~/.local/state.
std::filesystem::path userStateHome();

// The folder of autosaved paintings that a crash left behind: userStateHome()/daubwerk/recovery.
std::filesystem::path recoveryFolder();

// The notes of named temporaries being written, for a start after a kill to find them:
// userStateHome()/daubwerk/writing.
std::filesystem::path temporaryJournalFolder();

// The user's Pictures folder as the desktop names it (XDG_PICTURES_DIR in
// $XDG_CONFIG_HOME/user-dirs.dirs), when it exists; otherwise the home folder.
std::filesystem::path picturesFolder();

// The folder of the running executable, with every symbolic link resolved.
std::filesystem::path executableFolder();

}  // namespace dw::platform
