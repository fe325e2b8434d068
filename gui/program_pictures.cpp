#include "gui/program_pictures.h"

#include "files/image_store.h"

namespace dw {

void ProgramPictures::load() {
    const std::string folder = "WorkData/";
    LoadPackedImage(splash, "splash", folder);
    LoadPackedGreyImage(okay0, "okay0", folder);
    LoadPackedGreyImage(okay1, "okay1", folder);
    LoadPackedGreyImage(cancel0, "cancel0", folder);
    LoadPackedGreyImage(cancel1, "cancel1", folder);
}

}  // namespace dw
