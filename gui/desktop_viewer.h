#pragma once

#include <string>

namespace dw {

// Hands a file to the desktop's viewer for its kind (xdg-open). True when a viewer took it:
// the opener said so, or it is still busy after a moment, as an opener that shows the file in
// the foreground is. False when there is no opener or it found nothing to show the file with.
bool showInDesktopViewer(const std::string& path);

}  // namespace dw
