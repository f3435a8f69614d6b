// info: the attributes the program derives when it captures the stream.
#include "qvtool/commands.h"
#include "qvtool/slot_record.h"

namespace qv::tool {

CommandResult InfoCommand(const std::filesystem::path& file, bool json, ToolPlatform& platform) {
  CommandResult failure;
  auto stream = ReadValidSlotFile(file, failure);
  if (!stream) return failure;
  const TClipRec rec = DeriveRecord(std::move(*stream), platform);
  if (!json) return {kExitOk, RecordFieldLines(rec), ""};
  JsonObject object;
  AddRecordFields(object, rec);
  return {kExitOk, object.Text() + "\n", ""};
}

}  // namespace qv::tool
