#include "files/devil_library.h"

#include <IL/il.h>
#include <IL/ilu.h>

#include <cstdlib>

#include "platform/message_box.h"

namespace dw {
namespace {

// Damaged headers make DevIL's readers ask for gigabytes (a GIF screen of 65535 x 65535, an
// RLE8 bitmap with 2^32 colours) before they notice the file is short. No picture the
// program can hold needs one block this large, so such a request fails, and DevIL reports
// the file as refused instead of taking the machine's memory.
constexpr ILsizei kLargestDevilBlock = ILsizei(1) << 30;

void* ILAPIENTRY boundedAlloc(const ILsizei size) {
    if (size > kLargestDevilBlock) {
        return nullptr;
    }
    void* block = nullptr;
    // DevIL's own allocator hands out 16-byte aligned blocks.
    return posix_memalign(&block, 16, size == 0 ? 1 : size) == 0 ? block : nullptr;
}

void ILAPIENTRY boundedFree(const void* CONST_RESTRICT block) {
    std::free(const_cast<void*>(block));
}

}  // namespace

void initialiseImageLibrary() {
    static const bool started = [] {
        ilSetMemory(boundedAlloc, boundedFree);
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
