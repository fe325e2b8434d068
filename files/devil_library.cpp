#include "files/devil_library.h"

#include <IL/il.h>
#include <IL/ilu.h>

#include "platform/message_box.h"

namespace dw {

void initialiseImageLibrary() {
    static const bool started = [] {
        ilInit();
        iluInit();
        ilHint(IL_MEM_SPEED_HINT, IL_FASTEST);
        // Every picture arrives top row first, from the first load of the run on.
        ilEnable(IL_ORIGIN_SET);
        ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
        return true;
    }();
    (void)started;
}

BoundDevilImage::BoundDevilImage() {
    initialiseImageLibrary();
    ilGenImages(1, &id_);
    ilBindImage(id_);
}

BoundDevilImage::~BoundDevilImage() {
    ilDeleteImages(1, &id_);
}

void reportDevilErrors(ImageMessages messages) {
    for (ILenum error = ilGetError(); error != IL_NO_ERROR; error = ilGetError()) {
        if (messages == ImageMessages::Shown) {
            const char* text = iluErrorString(error);
            platform::showMessage(text ? text : "unknown image library error", "Error");
        }
    }
}

}  // namespace dw
