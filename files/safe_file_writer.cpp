#include "files/safe_file_writer.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace dw {
namespace {

// The mode a newly created file would get, or the mode of the file being replaced.
mode_t modeFor(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

SafeFileWriter::~SafeFileWriter() {
    abandon();
}

bool SafeFileWriter::begin(const std::string& target) {
    abandon();
    std::vector<char> name(target.begin(), target.end());
    const char suffix[] = ".saving-XXXXXX";
    name.insert(name.end(), suffix, suffix + sizeof suffix);
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    fchmod(fd, modeFor(target));
    close(fd);
    temporary_ = name.data();
    target_ = target;
    if (!stream_.open(temporary_, FileMode::Write)) {
        abandon();
        return false;
    }
    return true;
}

bool SafeFileWriter::commit() {
    if (temporary_.empty()) {
        return false;
    }
    const bool synced = stream_.flushToDisk();
    const bool closed = stream_.close();
    if (!synced || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        abandon();
        return false;
    }
    temporary_.clear();
    return true;
}

void SafeFileWriter::abandon() {
    stream_.close();
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace dw
