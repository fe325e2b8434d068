#include "files/recovery_note.h"

#include <charconv>
#include <sstream>

namespace dw {
namespace {

constexpr const char* kFirstLine = "daubwerk recovery 1";

// A file name may hold any byte but the null: a line end or a percent sign in one must not
// end or bend its line.
std::string escape(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c == '%') {
            out += "%25";
        } else if (c == '\n') {
            out += "%0A";
        } else if (c == '\r') {
            out += "%0D";
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            out += value[i];
            continue;
        }
        const std::string code = value.substr(i + 1, 2);
        if (code == "25") {
            out += '%';
        } else if (code == "0A") {
            out += '\n';
        } else if (code == "0D") {
            out += '\r';
        } else {
            return std::nullopt;
        }
        i += 2;
    }
    return out;
}

}  // namespace

std::string formatRecoveryNote(const RecoveryNote& note) {
    return std::string(kFirstLine) + "\npath=" + escape(note.documentPath) +
           "\nname=" + escape(note.documentName) + "\nsaved=" + std::to_string(note.savedAt) + "\n";
}

std::optional<RecoveryNote> parseRecoveryNote(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kFirstLine) {
        return std::nullopt;
    }
    RecoveryNote note;
    bool path = false;
    bool name = false;
    bool saved = false;
    while (std::getline(lines, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            return std::nullopt;
        }
        const std::string key = line.substr(0, equals);
        const std::optional<std::string> value = unescape(line.substr(equals + 1));
        if (!value) {
            return std::nullopt;
        }
        if (key == "path") {
            note.documentPath = *value;
            path = true;
        } else if (key == "name") {
            note.documentName = *value;
            name = true;
        } else if (key == "saved") {
            const char* end = value->data() + value->size();
            saved = std::from_chars(value->data(), end, note.savedAt).ptr == end && !value->empty();
        }
    }
    // A note cut short by a full disk lacks its last lines.
    if (!path || !name || !saved) {
        return std::nullopt;
    }
    return note;
}

}  // namespace dw
