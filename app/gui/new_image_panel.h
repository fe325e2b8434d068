#pragma once

#include "app/commands/shell.h"

class QWidget;

namespace dw {

class MessageQueue;
struct ProgramPictures;

// The modal New Image panel: two edit boxes for a width and a height, proposed by the
// caller, and the bitmap OK and Cancel buttons. Runs its own loop; the rest of the program's
// windows take no input meanwhile. The caller checks the size.
NewImageSize ShowNewImagePanel(int width, int height, const ProgramPictures& pictures,
                               MessageQueue& queue, QWidget& frame);

}  // namespace dw
