#include "panels/list_files.h"

#include <cstdio>

#include "files/file_stream.h"
#include "platform/dialog_paths.h"
#include "platform/message_box.h"

namespace dw {

const ListFileKind kPaletteFiles{"data/palette.dat", "pal", "Daubwerk Palette",
                                 kBrushPaletteLayout};
const ListFileKind kStrokeFiles{"data/strokes.dat", "stk", "Daubwerk Strokes", kStrokeListLayout};

namespace {

std::string asideName(const std::string& path) {
    std::string name = path + ".damaged";
    for (int n = 2; fileExists(name); ++n) {
        name = path + ".damaged-" + std::to_string(n);
    }
    return name;
}

bool keepAside(const std::string& path) {
    const std::string aside = asideName(path);
    const bool moved = std::rename(path.c_str(), aside.c_str()) == 0;
    platform::showMessage(
        moved ? path + " is damaged; it was kept as " + aside + " and a new list was started."
              : path +
                    " is damaged; a new list was started and the file is "
                    "left as it is.",
        "Warning", platform::MessageIcon::Warning);
    return moved;
}

}  // namespace

ListRead readListFile(const ListFileKind& kind, const std::string& path, ListSource source,
                      PresetTable& table, bool& keptAside) {
    keptAside = true;
    switch (readPresetTableFile(path, kind.layout, table)) {
        case PresetFileResult::Read:
            if (source == ListSource::UserFile) {
                platform::rememberDialogPath(platform::DialogPlace::Lists, path);
            }
            return ListRead::Read;
        case PresetFileResult::CannotOpen:
            if (source == ListSource::StartUp) {
                return ListRead::Missing;
            }
            platform::showMessage("The file you selected could not be opened!", "Error");
            return ListRead::Refused;
        case PresetFileResult::TooShort:
            if (source == ListSource::StartUp) {
                keptAside = keepAside(path);
                return ListRead::Missing;
            }
            platform::showMessage(
                std::string("The file you selected is not a ") + kind.title + " file!", "Error");
            return ListRead::Refused;
    }
    return ListRead::Refused;
}

void saveListFile(const ListFileKind& kind, const std::string& path, const PresetTable& table) {
    if (!writePresetTableFile(path, kind.layout, table)) {
        platform::showMessage("The list could not be saved to " + path + "!", "Error");
        return;
    }
    platform::rememberDialogPath(platform::DialogPlace::Lists, path);
}

std::optional<std::string> promptListFile(const ListFileKind& kind, platform::FileDialogKind use) {
    platform::FileDialogRequest request;
    request.kind = use;
    request.filters = {{kind.title, std::string("*.") + kind.extension}};
    request.defaultExtension = kind.extension;
    request.title = use == platform::FileDialogKind::Save ? "Save List" : "Load List";
    request.startPath = platform::dialogStartPath(platform::DialogPlace::Lists);
    return platform::askFileName(request);
}

}  // namespace dw
