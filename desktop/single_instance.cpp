#include "desktop/single_instance.h"

#include <cstdio>

#include "platform/message_box.h"

namespace dw::platform {

bool writeHandOffFile(const std::string& path) {
    std::FILE* file = std::fopen("dw_sendfile_to_app.txt", "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(path.data(), 1, path.size(), file) == path.size();
    return std::fclose(file) == 0 && written;
}

StartDecision settleSingleInstance(SingleInstance& instance,
                                   const std::optional<std::string>& path) {
    if (instance.claim() != InstanceRole::Second) {
        return StartDecision::Run;
    }
    if (path && !path->empty()) {
        // The socket carries the path; the file is kept for whoever reads it.
        writeHandOffFile(*path);
        if (!instance.sendHandOff(*path)) {
            showMessage("Failed send 'OPEN' message to running instance!", "Error");
        }
    }
    return StartDecision::Exit;
}

}  // namespace dw::platform
