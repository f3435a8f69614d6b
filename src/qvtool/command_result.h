#pragma once
// What a command hands back to main: the exit code and the bytes for the two
// output streams. Commands never print themselves, so they can be tested.
#include <filesystem>
#include <optional>
#include <string>

#include "util/bytes.h"

namespace qv::tool {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailed = 1,   // unreadable or invalid input, or nothing to show
  kExitDamaged = 2,  // list: the index was read but some slots are damaged
  kExitUsage = 64,   // no or bad arguments
};

struct CommandResult {
  int exitCode = kExitOk;
  std::string out;
  std::string err;
};

// A path as UTF-8 for messages.
std::string PathText(const std::filesystem::path& path);
// "qvtool: PATH: reason" on the error stream.
CommandResult Failure(const std::filesystem::path& subject, const std::string& reason);

// The stream of a slot file that passes the slot checks; otherwise nullopt
// with `failure` telling why.
std::optional<Bytes> ReadValidSlotFile(const std::filesystem::path& file, CommandResult& failure);

}  // namespace qv::tool
