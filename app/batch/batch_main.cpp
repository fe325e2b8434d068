#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "app/batch/batch_runner.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    // The tool's pictures and stores lie beside the executable, as the program's do.
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string folder = error ? std::string(".") : self.parent_path().string();
    return dw::batch::runBatch(arguments, folder);
}
