#include "tests/desktop/other_user.h"

#include <sys/wait.h>
#include <unistd.h>

namespace dw::test {

bool runningAsRoot() {
    return geteuid() == 0;
}

int runAsNobody(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(125);
        }
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void giveToNobody(const std::filesystem::path& folder) {
    if (lchown(folder.c_str(), kNobody, kNobody) != 0) {
        return;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        (void)!lchown(entry.path().c_str(), kNobody, kNobody);
    }
}

}  // namespace dw::test
