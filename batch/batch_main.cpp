#include <string>
#include <vector>

#include "batch/batch_runner.h"
#include "desktop/run_time_folder.h"
#include "platform/user_folders.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The tool's pictures and stores lie beside the executable, as the program's do; a
    // read-only install keeps its stores in the user's run-time folder instead.
    const std::string folder = dw::platform::chooseRunTimeFolder(dw::platform::executableFolder(),
                                                                 dw::platform::userDataHome())
                                   .string();
    return dw::batch::runBatch(arguments, folder);
}
