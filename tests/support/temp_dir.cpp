#include "tests/support/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>

namespace dw::test {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "daubwerk-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace dw::test
