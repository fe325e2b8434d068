#include "files/file_content.h"

#include <sys/stat.h>

#include <cstdint>

#include "files/byte_stream.h"
#include "files/document_file.h"
#include "files/file_stream.h"
#include "files/picture_kind.h"

namespace dw {

FileContent fileContentOf(const std::string& path) {
    // Opening a pipe would wait for ever.
    struct stat info {};
    FileStream file;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(path, FileMode::Read)) {
        return FileContent::Unreadable;
    }
    uint8_t head[kSignatureBytes];
    const std::size_t got = file.read(head, sizeof head);
    if (got >= 4 && int32_t(loadLE32(head)) == kDocumentMagic) {
        return FileContent::Document;
    }
    const std::size_t dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    return pictureKindOf({head, got}, extension) ? FileContent::Picture : FileContent::Other;
}

}  // namespace dw
