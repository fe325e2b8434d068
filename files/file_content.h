#pragma once

#include <string>

namespace dw {

// What a file holds, by its first bytes: a painting document by its magic number, a picture
// when the picture kinds' signature probe names a reader for it, else Other. Unreadable when
// it cannot be opened or is no regular file (a folder, a device, a pipe).
enum class FileContent { Document, Picture, Other, Unreadable };
FileContent fileContentOf(const std::string& path);

}  // namespace dw
