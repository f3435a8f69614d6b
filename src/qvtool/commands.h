#pragma once
// The tool's commands. Each reads its input, does the work through the core
// and returns what to print.
#include <filesystem>

#include "qvtool/command_result.h"
#include "qvtool/tool_platform.h"

namespace qv::tool {

// Validates a .slot file; shows its check value, format records and pictures.
CommandResult CheckCommand(const std::filesystem::path& file, bool json, ToolPlatform& platform);
// The attributes a capture of the slot file's stream derives.
CommandResult InfoCommand(const std::filesystem::path& file, bool json, ToolPlatform& platform);
// The slot's text as UTF-8, as the program saves it as plain text.
CommandResult TextCommand(const std::filesystem::path& file, ToolPlatform& platform);
// Every slot a slot folder's index names, damaged ones reported in place.
CommandResult ListCommand(const std::filesystem::path& folder, bool json);

}  // namespace qv::tool
