#include "files/safe_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace dw {
namespace {

// The process's file-creation mask, read without setting it: setting it to learn it would
// give a file that another thread (the autosave writer) creates meanwhile the wrong mode.
mode_t creationMask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("Umask:", 0) == 0) {
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

// The mode a newly created file would get, or the mode of the file being replaced.
mode_t modeFor(const std::string& target) {
    struct stat info {};
    if (stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    return 0666 & ~creationMask();
}

std::string folderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : target.substr(0, slash);
}

// A rename is kept across a power cut only once the folder that holds it is on the disk.
void syncFolderOf(const std::string& target) {
    const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

}  // namespace

SafeFileWriter::~SafeFileWriter() {
    abandon();
}

std::string SafeFileWriter::nextTemporaryName(const std::string& suffix) {
    static thread_local std::mt19937 generator(std::random_device{}());
    const std::string name =
        target_ + ".saving-" + std::to_string(generator() % 1000000000u) + suffix;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(name, error);
    note_.record(error ? name : absolute.string());
    return name;
}

bool SafeFileWriter::createTemporary(const std::string& target, bool keepExtension) {
    abandon();
    std::string suffix;
    const std::size_t slash = target.rfind('/');
    const std::size_t dot = target.rfind('.');
    if (keepExtension && dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        suffix = target.substr(dot);
    }
    target_ = target;
    note_ = TemporaryNote::open();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = nextTemporaryName(suffix);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            fchmod(fd, modeFor(target));
            close(fd);
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    note_ = TemporaryNote();
    return false;
}

bool SafeFileWriter::beginUnnamed(const std::string& target) {
    abandon();
    // The name is given through /proc at commit; without it the file could never be named.
    if (access("/proc/self/fd", X_OK) != 0) {
        return false;
    }
    unnamed_ = open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (unnamed_ < 0) {
        return false;
    }
    const int streamCopy = dup(unnamed_);
    if (streamCopy < 0 || fchmod(unnamed_, modeFor(target)) != 0) {
        if (streamCopy >= 0) {
            close(streamCopy);
        }
        abandon();
        return false;
    }
    if (!stream_.adopt(streamCopy, target, FileMode::Write)) {
        abandon();
        return false;
    }
    target_ = target;
    return true;
}

bool SafeFileWriter::begin(const std::string& target) {
    if (beginUnnamed(target)) {
        return true;
    }
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

// A complete file gets a temporary name for the instant before the rename: a link cannot
// replace the target itself.
bool SafeFileWriter::nameUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(unnamed_);
    note_ = TemporaryNote::open();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = nextTemporaryName("");
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

bool SafeFileWriter::commit() {
    if (temporary_.empty() && unnamed_ < 0) {
        return false;
    }
    if (!stream_.isOpen() && !stream_.open(temporary_, FileMode::Append)) {
        abandon();
        return false;
    }
    const bool synced = stream_.flushToDisk();
    const bool closed = stream_.close();
    if (!synced || !closed || (unnamed_ >= 0 && !nameUnnamed()) ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        abandon();
        return false;
    }
    temporary_.clear();
    note_ = TemporaryNote();
    if (unnamed_ >= 0) {
        close(unnamed_);
        unnamed_ = -1;
    }
    syncFolderOf(target_);
    return true;
}

void SafeFileWriter::abandon() {
    stream_.close();
    if (unnamed_ >= 0) {
        close(unnamed_);
        unnamed_ = -1;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
    note_ = TemporaryNote();
}

}  // namespace dw
