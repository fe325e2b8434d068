#include "files/temporary_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <vector>

namespace dw {

TemporaryFolder::TemporaryFolder() {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        return;  // TMPDIR names no folder: the callers report what they could not do
    }
    const std::string pattern = base.string() + "/daubwerk-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data())) {
        path_ = name.data();
    }
}

TemporaryFolder::~TemporaryFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

}  // namespace dw
