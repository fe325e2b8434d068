#include "desktop/file_update.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

bool holds(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    if (!fs::is_regular_file(path, error) || fs::file_size(path, error) != bytes.size()) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    const std::string present{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return present == bytes;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

}  // namespace

FileUpdate updateFile(const fs::path& path, std::string_view bytes) {
    if (holds(path, bytes)) {
        return FileUpdate::Unchanged;
    }
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    std::string temporary = (path.parent_path() / ".daubwerk-XXXXXX").string();
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        return FileUpdate::Failed;
    }
    const bool written = fchmod(descriptor, 0644) == 0 && writeAll(descriptor, bytes);
    if (close(descriptor) != 0 || !written || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return FileUpdate::Failed;
    }
    return FileUpdate::Written;
}

ToolRun runDesktopTool(std::initializer_list<std::string_view> arguments) {
    std::vector<std::string> owned(arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : owned) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned == ENOENT) {
        return ToolRun::Missing;
    }
    if (spawned != 0) {
        return ToolRun::Failed;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return ToolRun::Failed;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ToolRun::Done : ToolRun::Failed;
}

}  // namespace dw::platform
