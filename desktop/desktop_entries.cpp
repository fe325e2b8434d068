#include "desktop/desktop_entries.h"

#include "desktop/desktop_resources.h"

namespace dw::platform {
namespace {

// A value of a desktop entry keeps backslashes only as escapes.
std::string escapeValue(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\n') {
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string fill(std::string_view entry, const std::filesystem::path& program) {
    std::string text(entry);
    const auto replace = [&text](std::string_view key, const std::string& value) {
        const std::size_t at = text.find(key);
        if (at != std::string::npos) {
            text.replace(at, key.size(), value);
        }
    };
    replace("@TRYEXEC@", escapeValue(program.string()));
    replace("@EXEC@", execArgument(program.string()));
    return text;
}

}  // namespace

std::string execArgument(std::string_view argument) {
    // Inside the quotes ", `, $ and \ take a backslash; % is doubled, being a field code.
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? std::string("%%") : std::string(1, c);
    }
    quoted += '"';
    return escapeValue(quoted);
}

std::string desktopEntryFor(const std::filesystem::path& programFolder) {
    return fill(desktop::kDesktopEntryTemplate, programFolder / "daubwerk");
}

std::string thumbnailerEntryFor(const std::filesystem::path& programFolder) {
    return fill(desktop::kThumbnailerTemplate, programFolder / "daubwerk-batch");
}

}  // namespace dw::platform
