#include "platform/dialog_paths.h"

#include <array>

#include "platform/user_folders.h"

namespace dw::platform {
namespace {

std::array<std::string, 4> remembered;

}  // namespace

std::string dialogStartPath(DialogPlace place) {
    const std::string& path = remembered[std::size_t(place)];
    return path.empty() ? picturesFolder().string() : path;
}

void rememberDialogPath(DialogPlace place, const std::string& path) {
    remembered[std::size_t(place)] = path;
}

void forgetDialogPaths() {
    remembered.fill({});
}

}  // namespace dw::platform
