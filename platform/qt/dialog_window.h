#pragma once

#include <Qt>

namespace dw::platform {

// Dialogs ask the window manager for a title and a close box only: they are not minimised or
// maximised on their own.
inline constexpr Qt::WindowFlags kDialogWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace dw::platform
