#pragma once

#include "canvas/surface.h"

namespace dw {

// The pictures the program window keeps for its run: the splash (About shows it again) and
// the New Image panel's buttons.
struct ProgramPictures {
    Surface splash;
    Surface okay0;
    Surface okay1;
    Surface cancel0;
    Surface cancel1;

    // From the picture stores, first read from "WorkData/".
    void load();
};

}  // namespace dw
