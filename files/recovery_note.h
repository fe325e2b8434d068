#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dw {

// What an autosaved painting does not hold itself, kept in a small text file beside it.
struct RecoveryNote {
    std::string documentPath;  // the painting's own file; empty for one never saved
    std::string documentName;  // as the window title shows it
    int64_t savedAt = 0;       // the autosave's time, seconds since 1970
};

std::string formatRecoveryNote(const RecoveryNote& note);
// Nothing for text that is not a whole note.
std::optional<RecoveryNote> parseRecoveryNote(const std::string& text);

}  // namespace dw
