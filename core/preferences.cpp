#include "core/preferences.h"

#include "files/file_stream.h"
#include "files/safe_file_writer.h"

namespace dw {

std::optional<Preferences> readPreferences(const std::string& path) {
    FileStream file;
    uint8_t bytes[2] = {};
    if (!file.open(path, FileMode::Read) || file.read(bytes, sizeof bytes) != sizeof bytes) {
        return std::nullopt;
    }
    return Preferences{bytes[0], bytes[1]};
}

bool writePreferences(const std::string& path, const Preferences& preferences) {
    SafeFileWriter writer;
    const uint8_t bytes[2] = {preferences.firstRun, preferences.lighting};
    return writer.begin(path) && writer.stream().write(bytes, sizeof bytes) && writer.commit();
}

}  // namespace dw
