#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "batch/batch_step.h"

namespace dw::batch {

void reportStepError(std::string_view message) {
    std::fprintf(stderr, "daubwerk-batch: %.*s\n", int(message.size()), message.data());
}

bool parseInteger(std::string_view text, int64_t& value, std::string_view what) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty()) {
        reportStepError(std::string(what) + " must be a whole number, not \"" + std::string(text) +
                        "\"");
        return false;
    }
    return true;
}

bool parseUnsigned(std::string_view text, uint32_t& value, std::string_view what) {
    int64_t v = 0;
    if (!parseInteger(text, v, what)) {
        return false;
    }
    if (v < 0 || v > int64_t(UINT32_MAX)) {
        reportStepError(std::string(what) + " must lie in 0.." + std::to_string(UINT32_MAX));
        return false;
    }
    value = uint32_t(v);
    return true;
}

bool parseFloat(std::string_view text, float& value, std::string_view what) {
    const std::string copy(text);
    char* end = nullptr;
    const float v = std::strtof(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(v)) {
        reportStepError(std::string(what) + " must be a number, not \"" + copy + "\"");
        return false;
    }
    value = v;
    return true;
}

}  // namespace dw::batch
