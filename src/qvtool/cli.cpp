#include "qvtool/cli.h"

#include <filesystem>
#include <optional>

#include "qvtool/commands.h"

namespace qv::tool {
namespace {

struct Arguments {
  std::string command;
  bool json = false;
  std::string path;
};

std::optional<Arguments> Parse(const std::vector<std::string>& args) {
  if (args.empty()) return std::nullopt;
  Arguments parsed;
  parsed.command = args[0];
  bool optionsEnded = false;
  bool havePath = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg == "--json") {
      parsed.json = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return std::nullopt;  // an option we do not know
    } else if (havePath || arg.empty()) {
      return std::nullopt;
    } else {
      parsed.path = arg;
      havePath = true;
    }
  }
  if (!havePath) return std::nullopt;
  if (parsed.command == "text" && parsed.json) return std::nullopt;
  return parsed;
}

}  // namespace

std::string UsageText() {
  return "usage: qvtool check [--json] FILE.slot\n"
         "       qvtool info [--json] FILE.slot\n"
         "       qvtool text FILE.slot\n"
         "       qvtool list [--json] FOLDER\n"
         "\n"
         "  check  validate a slot file; show its check value, formats and pictures\n"
         "  info   show the attributes the program derives for the slot\n"
         "  text   write the slot's text (plain, rich text as plain, or file list) as UTF-8\n"
         "  list   show each slot of a slot folder (slots.cfg and its .dat files)\n"
         "  --json one JSON object (list: one per slot, one per line)\n"
         "\n"
         "exit status: 0 done; 1 unreadable or invalid input, no text, or no readable\n"
         "slots.cfg; 2 list found damaged slots; 64 bad arguments\n";
}

CommandResult RunTool(const std::vector<std::string>& args, ToolPlatform& platform) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help"))
    return {kExitOk, UsageText(), ""};
  auto parsed = Parse(args);
  if (parsed) {
    const auto path = std::filesystem::u8path(parsed->path);
    if (parsed->command == "check") return CheckCommand(path, parsed->json, platform);
    if (parsed->command == "info") return InfoCommand(path, parsed->json, platform);
    if (parsed->command == "text") return TextCommand(path, platform);
    if (parsed->command == "list") return ListCommand(path, parsed->json);
  }
  return {kExitUsage, "", UsageText()};
}

}  // namespace qv::tool
