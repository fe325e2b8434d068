#include "commands/command_line.h"

namespace dw {

std::optional<std::string> commandLinePath(std::string_view commandLine) {
    if (commandLine.size() <= 3) {
        return std::nullopt;
    }
    std::string path;
    int quotes = 0;
    for (const char c : commandLine) {
        if (c == '"') {
            if (++quotes == 2) {
                break;
            }
            continue;
        }
        path += c;
    }
    if (path.empty()) {
        return std::nullopt;
    }
    return path;
}

std::string joinArguments(std::span<const std::string> arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (!line.empty()) {
            line += ' ';
        }
        const bool quoted = argument.find(' ') != std::string::npos;
        line += quoted ? '"' + argument + '"' : argument;
    }
    return line;
}

}  // namespace dw
