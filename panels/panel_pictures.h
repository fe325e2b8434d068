#pragma once

#include <string>

#include "canvas/surface.h"
#include "widgets/button_set.h"

namespace dw {

// Panel pictures come by name from the colour store, which takes them from "WorkData/" on
// first use. A picture that cannot be found stays empty and is not drawn.
void loadPanelPicture(Surface& picture, const std::string& name);

// A button's two looks: the first for normal and hover, the second for pressed or on.
struct ButtonPicturePair {
    Surface normal;
    Surface pressed;

    void load(const std::string& normalName, const std::string& pressedName);
    ButtonPictures pictures() const { return {normal, normal, pressed}; }
};

}  // namespace dw
