#include "desktop/hand_off_frame.h"

namespace dw::platform {
namespace {

constexpr std::size_t kHeaderBytes = 8;

}  // namespace

std::string encodeHandOff(std::string_view path) {
    std::string frame(kHeaderBytes, '\0');
    uint64_t length = path.size();
    for (std::size_t i = 0; i < kHeaderBytes; ++i, length >>= 8) {
        frame[i] = char(length & 0xFF);
    }
    frame.append(path);
    return frame;
}

void HandOffDecoder::feed(std::string_view bytes) {
    if (!broken_) {
        pending_.append(bytes);
    }
}

std::optional<std::string> HandOffDecoder::next() {
    if (broken_ || pending_.size() < kHeaderBytes) {
        return std::nullopt;
    }
    uint64_t length = 0;
    for (std::size_t i = kHeaderBytes; i-- > 0;) {
        length = (length << 8) | uint8_t(pending_[i]);
    }
    if (length > kMaxPathBytes) {
        broken_ = true;
        pending_.clear();
        return std::nullopt;
    }
    if (pending_.size() - kHeaderBytes < length) {
        return std::nullopt;
    }
    std::string path = pending_.substr(kHeaderBytes, std::size_t(length));
    pending_.erase(0, kHeaderBytes + std::size_t(length));
    return path;
}

}  // namespace dw::platform
