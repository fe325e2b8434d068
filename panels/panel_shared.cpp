#include "panels/panel_shared.h"

#include "panels/panel_pictures.h"

namespace dw {

void PanelShared::loadSliderPictures() {
    if (!sliders.built) {
        loadPanelPicture(knob, "tab");
        sliders.build(knob);
    }
}

}  // namespace dw
