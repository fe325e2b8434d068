#include "desktop/file_type_registration.h"

#include <string>
#include <vector>

#include "desktop/desktop_entries.h"
#include "desktop/desktop_resources.h"
#include "desktop/file_update.h"
#include "platform/message_box.h"
#include "platform/user_folders.h"

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

struct DesktopPaths {
    fs::path mimeFolder;
    fs::path mimePackage;
    fs::path applications;
    fs::path desktopEntry;
    fs::path thumbnailer;
    fs::path iconTheme;
};

DesktopPaths desktopPaths(const fs::path& dataHome) {
    return {dataHome / "mime",
            dataHome / "mime" / "packages" / "daubwerk.xml",
            dataHome / "applications",
            dataHome / "applications" / "daubwerk.desktop",
            dataHome / "thumbnailers" / "daubwerk.thumbnailer",
            dataHome / "icons" / "hicolor"};
}

// The program's icon, and the same picture for its paintings.
std::vector<fs::path> iconPaths(const fs::path& theme, int size) {
    const fs::path folder = theme / (std::to_string(size) + "x" + std::to_string(size));
    return {folder / "apps" / "daubwerk.png",
            folder / "mimetypes" / "application-x-daubwerk-painting.png"};
}

// Collects what was written; a failure stops the steps that follow.
class Updates {
  public:
    bool write(const fs::path& path, std::string_view bytes) {
        const FileUpdate update = updateFile(path, bytes);
        changed_ = changed_ || update == FileUpdate::Written;
        return update != FileUpdate::Failed;
    }
    bool changed() const { return changed_; }

  private:
    bool changed_ = false;
};

bool fail(const char* message) {
    showMessage(message, "Error");
    return false;
}

// The icon cache is refreshed only where the user has one: a stale cache hides new icons,
// a missing one does not.
void refreshIconCache(const fs::path& theme) {
    std::error_code error;
    if (fs::exists(theme / "icon-theme.cache", error)) {
        runDesktopTool({"gtk-update-icon-cache", "--force", "--ignore-theme-index", "--quiet",
                        theme.string()});
    }
}

bool refreshMimeDatabase(const fs::path& mimeFolder) {
    return runDesktopTool({"update-mime-database", mimeFolder.string()}) != ToolRun::Failed;
}

}  // namespace

bool installedProgram(const fs::path& programFolder) {
    std::error_code error;
    return fs::is_regular_file(programFolder / "installed", error);
}

FileTypeTarget fileTypeTargetForThisRun() {
    return {executableFolder(), userDataHome()};
}

bool RegisterFileType(const FileTypeTarget& target) {
    const DesktopPaths paths = desktopPaths(target.dataHome);
    Updates updates;
    if (!updates.write(paths.mimePackage, desktop::kMimePackage)) {
        return fail("Couldn't set filetype key!");
    }
    std::error_code error;
    fs::create_directories(paths.applications, error);
    if (!fs::is_directory(paths.applications, error)) {
        return fail("Couldn't set apppath key!");
    }
    if (!updates.write(paths.desktopEntry, desktopEntryFor(target.programFolder))) {
        return fail("Couldn't set apppath open path key!");
    }
    // A file manager shows a painting's thumbnail where it would show the type's icon.
    bool iconsWritten = updates.write(paths.thumbnailer, thumbnailerEntryFor(target.programFolder));
    for (const desktop::IconFile& icon : desktop::kIcons) {
        for (const fs::path& path : iconPaths(paths.iconTheme, icon.size)) {
            iconsWritten = iconsWritten && updates.write(path, icon.png);
        }
    }
    if (!iconsWritten) {
        return fail("Couldn't set icon key!");
    }
    const bool cacheMissing = !fs::exists(paths.mimeFolder / "mime.cache", error);
    if (updates.changed() || cacheMissing) {
        if (!refreshMimeDatabase(paths.mimeFolder)) {
            return fail("Couldn't set filetype key!");
        }
        runDesktopTool({"update-desktop-database", paths.applications.string()});
        refreshIconCache(paths.iconTheme);
    }
    return true;
}

void removeFileType(const fs::path& dataHome) {
    const DesktopPaths paths = desktopPaths(dataHome);
    std::error_code error;
    fs::remove(paths.mimePackage, error);
    fs::remove(paths.desktopEntry, error);
    fs::remove(paths.thumbnailer, error);
    for (const desktop::IconFile& icon : desktop::kIcons) {
        for (const fs::path& path : iconPaths(paths.iconTheme, icon.size)) {
            fs::remove(path, error);
        }
    }
    // Without packages the whole user database is derived data, ours.
    if (fs::is_empty(paths.mimePackage.parent_path(), error) && !error) {
        fs::remove_all(paths.mimeFolder, error);
    } else {
        refreshMimeDatabase(paths.mimeFolder);
    }
    runDesktopTool({"update-desktop-database", paths.applications.string()});
    refreshIconCache(paths.iconTheme);
}

}  // namespace dw::platform
