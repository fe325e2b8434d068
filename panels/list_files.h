#pragma once

#include <optional>
#include <string>

#include "files/preset_table_file.h"
#include "platform/file_dialog.h"

namespace dw {

// The list files the program keeps between runs, and the kind of file Save List and Load
// List offer for each list.
struct ListFileKind {
    const char* dataPath;   // "data/palette.dat"
    const char* extension;  // "pal"
    const char* title;      // "Daubwerk Palette"
    const PresetTableLayout& layout;
};

extern const ListFileKind kPaletteFiles;
extern const ListFileKind kStrokeFiles;

// Where a list is read from: the program's own file at start-up, or a file the user chose.
enum class ListSource { StartUp, UserFile };

enum class ListRead {
    Read,     // the table holds the file's list
    Missing,  // start with the one-entry default
    Refused,  // the user was told why; nothing changes
};

// A damaged file of the program's own is kept aside under another name and reported, and the
// list starts as if it were missing; `keptAside` is false only when it could not be moved,
// in which case the list must not be written over it at exit.
ListRead readListFile(const ListFileKind& kind, const std::string& path, ListSource source,
                      PresetTable& table, bool& keptAside);

// Save List: the table to a file; a failure is reported.
void saveListFile(const ListFileKind& kind, const std::string& path, const PresetTable& table);

// The file dialog for Save List and Load List of this kind of list.
std::optional<std::string> promptListFile(const ListFileKind& kind, platform::FileDialogKind use);

}  // namespace dw
