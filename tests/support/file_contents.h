#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dw::test {

// A whole file as text or bytes; empty when it cannot be read.
inline std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<uint8_t> fileBytes(const std::filesystem::path& path) {
    const std::string text = fileText(path);
    return {text.begin(), text.end()};
}

}  // namespace dw::test
