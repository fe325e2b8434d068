#include "desktop/run_time_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

bool writable(const fs::path& path) {
    // The effective ids decide, as they do for the writes themselves; a read-only mount
    // answers EROFS even for root.
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

bool programMayWrite(const fs::path& programFolder) {
    std::error_code error;
    if (!writable(programFolder)) {
        return false;
    }
    for (std::string_view name : kRunTimeWrittenNames) {
        const fs::path written = programFolder / name;
        if (fs::exists(fs::symlink_status(written, error)) && !writable(written)) {
            return false;
        }
    }
    return true;
}

bool isWrittenAtRunTime(const fs::path& name) {
    return std::find(kRunTimeWrittenNames.begin(), kRunTimeWrittenNames.end(), name.string()) !=
           kRunTimeWrittenNames.end();
}

// Links name to the program's entry; a link already right is left alone, and a real file
// or folder of the user's is never replaced.
bool linkEntry(const fs::path& folder, const fs::path& target) {
    std::error_code error;
    const fs::path link = folder / target.filename();
    const fs::file_status status = fs::symlink_status(link, error);
    if (fs::is_symlink(status)) {
        if (fs::read_symlink(link, error) == target) {
            return true;
        }
        fs::remove(link, error);
    } else if (fs::exists(status)) {
        return true;
    }
    fs::create_symlink(target, link, error);
    return !error;
}

// Links of entries the program folder no longer has would only mislead.
void removeDanglingLinks(const fs::path& folder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (entry.is_symlink(ignored) && !fs::exists(entry.path(), ignored)) {
            fs::remove(entry.path(), ignored);
        }
    }
}

// The program's shipped presets and stores start the user's own data, once.
bool prepareData(const fs::path& programFolder, const fs::path& folder) {
    std::error_code error;
    const fs::path data = folder / "data";
    fs::create_directories(data, error);
    if (error || !fs::is_directory(data, error)) {
        return false;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(programFolder / "data", error)) {
        std::error_code ignored;
        if (entry.is_regular_file(ignored)) {
            fs::copy_file(entry.path(), data / entry.path().filename(),
                          fs::copy_options::skip_existing, ignored);
        }
    }
    return writable(data);
}

bool preparePerUserFolder(const fs::path& programFolder, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error) || !writable(folder)) {
        return false;
    }
    removeDanglingLinks(folder);
    bool linked = true;
    for (const fs::directory_entry& entry : fs::directory_iterator(programFolder, error)) {
        if (!isWrittenAtRunTime(entry.path().filename())) {
            linked = linkEntry(folder, entry.path()) && linked;
        }
    }
    return !error && linked && prepareData(programFolder, folder);
}

}  // namespace

fs::path chooseRunTimeFolder(const fs::path& programFolder, const fs::path& dataHome) {
    // The links must not depend on the directory this is called from.
    std::error_code error;
    const fs::path program = fs::absolute(programFolder, error).lexically_normal();
    if (error || programMayWrite(program)) {
        return programFolder;
    }
    const fs::path folder = dataHome / "daubwerk";
    return preparePerUserFolder(program, folder) ? folder : programFolder;
}

}  // namespace dw::platform
