#include "desktop/instance_channel.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>

namespace dw::platform {
namespace {

std::string withUser(const char* name) {
    return std::string(name) + "-" + std::to_string(getuid());
}

}  // namespace

bool isPrivateFolder(const std::filesystem::path& folder) {
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) {
        return false;
    }
    return S_ISDIR(info.st_mode) && info.st_uid == getuid() && (info.st_mode & 022) == 0;
}

std::optional<InstanceChannel> instanceChannelIn(const std::filesystem::path& folder) {
    if (!isPrivateFolder(folder)) {
        return std::nullopt;
    }
    InstanceChannel channel{(folder / withUser("DAUBWERKMUTEX")).string(),
                            (folder / withUser("DW_SENDFILE_TO_APP")).string()};
    if (channel.socketPath.size() >= sizeof(sockaddr_un::sun_path)) {
        return std::nullopt;
    }
    return channel;
}

std::optional<InstanceChannel> instanceChannelForUser() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') {
        if (auto channel = instanceChannelIn(runtime)) {
            return channel;
        }
    }
    // mkdir fails on a folder that is there already; whose it is, the check decides.
    const std::filesystem::path fallback = "/tmp/" + withUser("daubwerk");
    mkdir(fallback.c_str(), 0700);
    return instanceChannelIn(fallback);
}

bool lockIsForeign(const std::string& lockPath) {
    struct stat info {};
    if (lstat(lockPath.c_str(), &info) != 0) {
        return false;  // released meanwhile: try again
    }
    return !S_ISREG(info.st_mode) || info.st_uid != getuid();
}

bool peerIsThisUser(int socketDescriptor) {
    ucred peer{};
    socklen_t size = sizeof(peer);
    if (getsockopt(socketDescriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) {
        return false;
    }
    return size == sizeof(peer) && peer.uid == getuid();
}

}  // namespace dw::platform
