#include "platform/user_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

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

}  // namespace

std::filesystem::path userDataHome() {
    // A relative value is invalid by the base-directory rules and must be ignored.
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        return dataHome;
    }
    return homeFolder() / ".local" / "share";
}

std::filesystem::path executableFolder() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
}

}  // namespace dw::platform
