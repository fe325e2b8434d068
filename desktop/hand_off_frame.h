#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dw::platform {

// A hand-off on the local socket: the path's length as 8 little-endian bytes, then the
// path's bytes. Nothing is cut, whatever the length.
std::string encodeHandOff(std::string_view path);

// Collects the bytes of one connection as they arrive and gives back each whole path.
class HandOffDecoder {
  public:
    // Longer claims are taken as garbage: no path comes near it.
    static constexpr uint64_t kMaxPathBytes = 1u << 20;

    void feed(std::string_view bytes);
    // The next whole path, if one has arrived. Nothing more once the stream was found broken.
    std::optional<std::string> next();
    bool broken() const { return broken_; }

  private:
    std::string pending_;
    bool broken_ = false;
};

}  // namespace dw::platform
