#pragma once

#include <cstdint>
#include <initializer_list>

namespace dw {

// The mouse state of one drag target: pressed flags and the last position in the target
// window's client coordinates.
struct DragState {
    uint8_t active = 0;
    uint8_t second = 0;
    int32_t x = 0;
    int32_t y = 0;

    // Ends a drag; the position is kept.
    void reset() {
        active = 0;
        second = 0;
    }
};

// One per drag target. Moving over one window ends the drags of the others.
struct DragStates {
    DragState canvas;
    DragState colours;
    DragState properties;
    DragState tools;
    DragState styles;
    DragState palette;

    void resetAll() {
        for (DragState* drag : {&canvas, &colours, &properties, &tools, &styles, &palette}) {
            drag->reset();
        }
    }
};

}  // namespace dw
