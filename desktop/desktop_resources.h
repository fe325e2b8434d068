#pragma once

#include <array>
#include <string_view>

namespace dw::platform::desktop {

// The shared-mime-info package of the painting type, as written.
extern const std::string_view kMimePackage;
// Entries with @EXEC@ (a quoted Exec program) and @TRYEXEC@ (a plain path) to fill in.
extern const std::string_view kDesktopEntryTemplate;
extern const std::string_view kThumbnailerTemplate;

struct IconFile {
    int size;  // pixels a side
    std::string_view png;
};
inline constexpr std::size_t kIconCount = 4;
extern const std::array<IconFile, kIconCount> kIcons;

}  // namespace dw::platform::desktop
