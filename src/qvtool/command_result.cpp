#include "qvtool/command_result.h"

#include "qvtool/slot_check.h"
#include "util/file_io.h"

namespace qv::tool {

std::string PathText(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

CommandResult Failure(const std::filesystem::path& subject, const std::string& reason) {
  return {kExitFailed, "", "qvtool: " + PathText(subject) + ": " + reason + "\n"};
}

std::optional<Bytes> ReadValidSlotFile(const std::filesystem::path& file, CommandResult& failure) {
  auto stream = ReadWholeFile(file);
  if (!stream) {
    failure = Failure(file, "cannot read the file");
    return std::nullopt;
  }
  if (auto problem = SlotStreamProblem(*stream)) {
    failure = Failure(file, "not a valid slot file: " + *problem);
    return std::nullopt;
  }
  return stream;
}

}  // namespace qv::tool
