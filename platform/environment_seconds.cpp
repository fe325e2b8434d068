#include "platform/environment_seconds.h"

#include <cstdlib>

namespace dw::platform {

std::optional<std::chrono::seconds> secondsFromEnvironment(const char* name,
                                                           std::chrono::seconds longest) {
    const char* text = std::getenv(name);
    if (!text) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > longest.count()) {
        return std::nullopt;
    }
    return std::chrono::seconds(value);
}

}  // namespace dw::platform
