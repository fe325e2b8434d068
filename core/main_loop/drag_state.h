#pragma once

#include <array>
#include <cstdint>

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

// The canvas window's drag and one per panel, in the slot the panel's row gives it. Moving
// over one window ends the drags of the others.
struct DragStates {
    // As many as there may be floating panels.
    static constexpr int kPanelSlots = 10;

    DragState canvas;
    std::array<DragState, kPanelSlots> panels;

    // The lowest slot of a pressed panel, or -1: where two are pressed, that one's drag leads.
    int leadingPanel() const {
        for (int slot = 0; slot < kPanelSlots; ++slot) {
            if (panels[std::size_t(slot)].active) {
                return slot;
            }
        }
        return -1;
    }

    void resetAll() {
        canvas.reset();
        for (DragState& drag : panels) {
            drag.reset();
        }
    }
};

}  // namespace dw
