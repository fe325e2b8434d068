#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace dw::platform {
namespace {

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') {
        return home;
    }
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

std::filesystem::path configHome() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && configHome[0] == '/') {
        return configHome;
    }
    return homeFolder() / ".config";
}

// A line XDG_PICTURES_DIR="$HOME/Pictures" or ="/absolute/folder"; nothing for other forms,
// which the file's own rules do not allow.
std::filesystem::path picturesEntry(const std::filesystem::path& userDirs) {
    constexpr std::string_view kKey = "XDG_PICTURES_DIR=\"";
    std::ifstream file(userDirs);
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(kKey, 0) != 0 || line.size() < kKey.size() + 1 || line.back() != '"') {
            continue;
        }
        const std::string value = line.substr(kKey.size(), line.size() - kKey.size() - 1);
        if (value.rfind("$HOME/", 0) == 0) {
            return homeFolder() / value.substr(6);
        }
        if (!value.empty() && value[0] == '/') {
            return value;
        }
    }
    return {};
}

}  // namespace

std::filesystem::path picturesFolder() {
    const std::filesystem::path pictures = picturesEntry(configHome() / "user-dirs.dirs");
    std::error_code error;
    return !pictures.empty() && std::filesystem::is_directory(pictures, error) ? pictures
                                                                               : homeFolder();
}

std::filesystem::path userDataHome() {
    // A relative value is invalid by the base-directory rules and must be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        return dataHome;
    }
    return homeFolder() / ".local" / "share";
}

std::filesystem::path userStateHome() {
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    if (stateHome && stateHome[0] == '/') {
        return stateHome;
    }
    return homeFolder() / ".local" / "state";
}

std::filesystem::path recoveryFolder() {
    return userStateHome() / "daubwerk" / "recovery";
}

std::filesystem::path temporaryJournalFolder() {
    return userStateHome() / "daubwerk" / "writing";
}

std::filesystem::path executableFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
}

}  // namespace dw::platform
