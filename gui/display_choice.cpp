#include "gui/display_choice.h"

#include <cstdio>
#include <cstdlib>

namespace dw {
namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

}  // namespace

bool chooseDisplay() {
    if (isSet("QT_QPA_PLATFORM")) {
        return true;
    }
    if (isSet("DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (isSet("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "wayland", 1);  // no X server: the compositor places windows
        return true;
    }
    std::fputs(
        "Daubwerk needs a graphical display, and none was found (neither DISPLAY nor "
        "WAYLAND_DISPLAY is set).\n"
        "To paint without a window, use the batch tool beside it: daubwerk-batch --help\n",
        stderr);
    return false;
}

}  // namespace dw
