#include "commands/edit_box_number.h"

#include <climits>
#include <cstdint>

namespace dw {

int editBoxNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return 0;
    }
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + uint64_t(c - '0');
        if (value > UINT32_MAX) {
            return 0;
        }
    }
    return value > INT_MAX ? INT_MAX : int(value);
}

}  // namespace dw
