// Exporting one slot to a .slot file and loading one back onto the clipboard.
#include "history/app_core.h"
#include "snapshot/clipboard_io.h"
#include "store/slot_file.h"
#include "util/flag_guard.h"

namespace qv {

std::optional<std::filesystem::path> AppCore::PrepareSlotExport(size_t index) {
  if (index >= Slots.size()) return std::nullopt;
  return qv::PrepareSlotExport(Slots[index], folders.WorkFolder, platform_.system);
}

std::optional<std::string> AppCore::LoadSlotFile(const std::filesystem::path& file) {
  auto bytes = ReadSlotFile(file);
  if (!bytes) return std::string(kInvalidSlotFileMessage);
  {
    FlagGuard silent(SuppressCopySound);
    RestoreToClipboard(platform_.clipboard, std::move(*bytes));
  }
  MarkSilentChange();
  return std::nullopt;
}

}  // namespace qv
