#pragma once

#include <optional>
#include <string>

namespace dw::platform {

enum class InstanceRole {
    First,   // this run holds the lock and takes hand-offs
    Second,  // this user's program runs already
    Alone,   // the lock could not be settled safely: run, but take and give no hand-offs
};

// One user's single running program. The GUI's backend is platform/qt/QtSingleInstance.
class SingleInstance {
  public:
    virtual ~SingleInstance() = default;
    // Settles the role. A first run starts listening for hand-offs.
    virtual InstanceRole claim() = 0;
    // Second run: passes the path to the running program; true once it is on its way.
    // Never waits for the running program to act on it.
    virtual bool sendHandOff(const std::string& path) = 0;
};

enum class StartDecision { Run, Exit };

// Start-up's single-instance step. A second run hands over the path it was given, if any:
// "dw_sendfile_to_app.txt" in the working directory gets the path's bytes, no line end, and
// the whole path goes over the socket. It then exits (status 0), silently when it had no path.
StartDecision settleSingleInstance(SingleInstance& instance,
                                   const std::optional<std::string>& path);

// Writes the hand-off file in the working directory; false when it could not.
bool writeHandOffFile(const std::string& path);

}  // namespace dw::platform
