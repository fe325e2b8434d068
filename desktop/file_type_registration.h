#pragma once

#include <filesystem>

namespace dw::platform {

// Where the file type points and where its files go.
struct FileTypeTarget {
    std::filesystem::path programFolder;  // holds daubwerk and daubwerk-batch
    std::filesystem::path dataHome;       // the user's $XDG_DATA_HOME
};

// The running program's folder and this user's data home.
FileTypeTarget fileTypeTargetForThisRun();

// Whether the program in this folder was installed (the installers leave the file "installed"
// in its folder). Only an installed program registers its file type at start: a run from a
// build folder would leave entries pointing into a tree that goes away.
bool installedProgram(const std::filesystem::path& programFolder);

// Makes paintings (*.pai, or a file starting D7 5E 00 00) a known type that opens with this
// program and shows its icon and a thumbnail: the shared-mime-info package, the
// application's desktop entry, its icons and the thumbnailer entry under the data home.
// Files that hold the right bytes already are left untouched, and the desktop's caches are
// refreshed (where their tools are installed) only when something was written. The first
// failure shows its message and ends the registration: false. The program goes on either way.
bool RegisterFileType(const FileTypeTarget& target);

// Takes every file RegisterFileType writes away again and refreshes the caches.
void removeFileType(const std::filesystem::path& dataHome);

}  // namespace dw::platform
