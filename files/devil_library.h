#pragma once

#include <string>

namespace dw {

// DevIL (IL and ILU) is started once a run; every later call returns at once.
void initialiseImageLibrary();

enum class ImageMessages { Shown, Hidden };

// One DevIL image, generated and bound for the lifetime of the object.
class BoundDevilImage {
  public:
    BoundDevilImage();
    ~BoundDevilImage();
    BoundDevilImage(const BoundDevilImage&) = delete;
    BoundDevilImage& operator=(const BoundDevilImage&) = delete;

  private:
    unsigned int id_ = 0;
};

// Empties DevIL's error queue, showing each error's text (caption "Error") when asked to:
// a queue left full would blame the next operation for old errors.
void reportDevilErrors(ImageMessages messages);

}  // namespace dw
