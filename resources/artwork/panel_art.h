#pragma once

#include <string_view>

#include "resources/artwork/pictograms.h"
#include "resources/artwork/theme.h"

namespace dw::artwork {

// Tools panel.
Picture toolButtonPicture(PictogramPainter painter, ButtonLook look);
Picture toolHeaderPicture(std::string_view title);
Picture toolsPanelPicture();

// Brush properties panel and its styles panel.
Picture propertiesPicture();
Picture stylesPicture();
Picture shapePicture();
Picture stylesTabPicture(std::string_view label, bool selected);
Picture sliderKnobPicture();

// Colours panel: the background with a copy of the pick picture where the program reads it.
Picture colourPickPicture();
Picture coloursPanelPicture();

// Palette panel.
Picture palettePicture();
Picture strokesPicture();
Picture paletteTabPicture(std::string_view label, bool selected);
Picture switchPicture(bool on);
Picture listButtonPicture(std::string_view label, ButtonLook look);
Picture addButtonPicture(ButtonLook look);
Picture deleteButtonPicture(ButtonLook look);

// New Image panel and the plain push buttons (grey store).
Picture newImagePicture();
Picture dialogButtonPicture(std::string_view label, ButtonLook look);

Picture splashPicture();

}  // namespace dw::artwork
