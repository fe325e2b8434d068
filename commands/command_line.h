#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace dw {

// The painting named on the command line. A command line of 3 characters or fewer names
// none; double quotes are left out and the second one ends the path, so a quoted path
// followed by further words gives the path alone, while an unquoted one is taken whole,
// spaces and all. The path is never cut, however long.
std::optional<std::string> commandLinePath(std::string_view commandLine);

// The command line as one text, the way the desktop hands it over: arguments joined by
// spaces, an argument with a space in it quoted.
std::string joinArguments(std::span<const std::string> arguments);

}  // namespace dw
