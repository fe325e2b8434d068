// daubwerk-register: makes paintings open with the Daubwerk beside this executable, as an
// installed program itself does at every start; with --remove takes the file type away
// again. The user install and uninstall run it; a run from a build folder registers nothing
// unless asked through it.
#include <cstdio>
#include <string_view>

#include "desktop/file_type_registration.h"
#include "platform/user_folders.h"

int main(int argc, char** argv) {
    const std::string_view action = argc > 1 ? argv[1] : "";
    if (argc > 2 || (argc == 2 && action != "--remove")) {
        std::fprintf(stderr, "usage: daubwerk-register [--remove]\n");
        return 2;
    }
    if (action == "--remove") {
        dw::platform::removeFileType(dw::platform::userDataHome());
        return 0;
    }
    return dw::platform::RegisterFileType(dw::platform::fileTypeTargetForThisRun()) ? 0 : 1;
}
