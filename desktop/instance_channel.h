#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace dw::platform {

// Where one user's running program is found: a lock file whose holder is the running
// program, and the local socket it takes hand-offs on. Both lie in a folder that only this
// user can write, so no other user can hold the lock or stand in for the socket.
struct InstanceChannel {
    std::string lockPath;    // folder/DAUBWERKMUTEX-<uid>
    std::string socketPath;  // folder/DW_SENDFILE_TO_APP-<uid>
};

// A real folder (not a link) owned by this user that nobody else can write into.
bool isPrivateFolder(const std::filesystem::path& folder);

// The channel in the given folder; nothing when the folder is not private or the socket's
// path would not fit a local socket address.
std::optional<InstanceChannel> instanceChannelIn(const std::filesystem::path& folder);

// This user's channel: in $XDG_RUNTIME_DIR, else in /tmp/daubwerk-<uid>, made private.
std::optional<InstanceChannel> instanceChannelForUser();

// A lock file there that is not this user's own plain file: whoever holds it, it is not a
// program this user may hand paintings to.
bool lockIsForeign(const std::string& lockPath);

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(int socketDescriptor);

}  // namespace dw::platform
