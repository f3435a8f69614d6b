#pragma once
// The command line: which command, on what, in which form.
#include <string>
#include <vector>

#include "qvtool/command_result.h"
#include "qvtool/tool_platform.h"

namespace qv::tool {

std::string UsageText();

// Runs the command the arguments (UTF-8, without the program name) ask for.
// No or bad arguments give the usage text and kExitUsage.
CommandResult RunTool(const std::vector<std::string>& args, ToolPlatform& platform);

}  // namespace qv::tool
