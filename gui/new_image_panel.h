#pragma once

#include <string_view>

#include "commands/shell.h"

class QWidget;

namespace dw {

class MessageQueue;
struct ProgramPictures;

// The modal New Image panel: two edit boxes that take digits only for a width and a height,
// proposed by the caller, and the bitmap OK and Cancel buttons. Runs its own loop; the rest of
// the program's windows take no input meanwhile. OK with a size out of range shows the
// size warning and leaves the panel open with what was typed.
NewImageSize ShowNewImagePanel(std::string_view title, int width, int height,
                               const ProgramPictures& pictures, MessageQueue& queue,
                               QWidget& frame);

}  // namespace dw
