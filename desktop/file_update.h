#pragma once

#include <filesystem>
#include <string_view>

namespace dw::platform {

enum class FileUpdate { Unchanged, Written, Failed };

// Makes the file hold exactly these bytes, creating its folders. A file that holds them
// already is not touched (its time stays); otherwise a new file is written beside it and
// renamed over it, so that a reader never sees half a file.
FileUpdate updateFile(const std::filesystem::path& path, std::string_view bytes);

// Runs a desktop tool (no shell) with its output discarded. Missing means the tool is not
// installed; that is not a failure.
enum class ToolRun { Done, Failed, Missing };
ToolRun runDesktopTool(std::initializer_list<std::string_view> arguments);

}  // namespace dw::platform
