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

bool SafeFileWriter::createTemporary(const std::string& target, bool keepExtension) {
    abandon();
    std::string suffix;
    const std::size_t slash = target.rfind('/');
    const std::size_t dot = target.rfind('.');
    if (keepExtension && dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        suffix = target.substr(dot);
    }
    const std::string pattern = target + ".saving-XXXXXX" + suffix;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemps(name.data(), int(suffix.size()));
    if (fd < 0) {
        return false;
    }
    fchmod(fd, modeFor(target));
    close(fd);
    temporary_ = name.data();
    target_ = target;
    return true;
}

bool SafeFileWriter::begin(const std::string& target) {
    if (!createTemporary(target, false)) {
        return false;
    }
    if (!stream_.open(temporary_, FileMode::Write)) {
        abandon();
        return false;
    }
    return true;
}

bool SafeFileWriter::beginForPath(const std::string& target) {
    return createTemporary(target, true);
}

bool SafeFileWriter::commit() {
    if (temporary_.empty()) {
        return false;
    }
    if (!stream_.isOpen() && !stream_.open(temporary_, FileMode::Append)) {
        abandon();
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
