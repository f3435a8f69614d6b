// Exporting one slot to a .slot file and loading one back onto the clipboard.
#include <algorithm>
#include <cctype>
#include <system_error>

#include "app/app_core.h"
#include "clip/clipboard_io.h"
#include "settings/options_file.h"
#include "store/slot_stream.h"
#include "store/unique_name.h"
#include "util/file_io.h"

namespace qv {
namespace {

// A .slot file larger than this is not something the program wrote.
constexpr uint64_t kMaxSlotFileBytes = 1536ull << 20;

}  // namespace

std::filesystem::path SlotExportName(const std::filesystem::path& chosen) {
  std::u8string ext = chosen.extension().u8string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](char8_t c) { return static_cast<char8_t>(std::tolower(c)); });
  if (ext == u8".slot") return chosen;
  std::filesystem::path named = chosen;
  named += ".slot";
  return named;
}

std::optional<std::filesystem::path> AppCore::PrepareSlotExport(size_t index) {
  if (index >= Slots.size()) return std::nullopt;
  auto temporary = MakeUniqueFileName(folders.WorkFolder, "dat", platform_.system);
  const TClipRec& rec = Slots[index];
  std::error_code ec;
  bool ok = rec.OnDisk ? std::filesystem::copy_file(rec.FileName, temporary, ec)
                       : WriteWholeFile(temporary, rec.Data ? ByteView(*rec.Data) : ByteView());
  if (!ok) {
    RemoveFile(temporary);
    return std::nullopt;
  }
  return temporary;
}

std::optional<std::string> AppCore::FinishSlotExport(const std::filesystem::path& temporary,
                                                     const std::filesystem::path& chosen) {
  const auto target = SlotExportName(chosen);
  std::error_code ec;
  std::filesystem::remove(target, ec);
  std::filesystem::rename(temporary, target, ec);
  if (!ec) return std::nullopt;
  // Another drive: copy, then drop the temporary file.
  ec.clear();
  if (std::filesystem::copy_file(temporary, target,
                                 std::filesystem::copy_options::overwrite_existing, ec)) {
    RemoveFile(temporary);
    return std::nullopt;
  }
  RemoveFile(temporary);
  return UnableToWriteMessage(target);
}

void AppCore::CancelSlotExport(const std::filesystem::path& temporary) {
  RemoveFile(temporary);
}

std::optional<std::string> AppCore::LoadSlotFile(const std::filesystem::path& file) {
  auto bytes = ReadWholeFile(file, kMaxSlotFileBytes);
  if (!bytes || !ValidateSlotData(*bytes))
    return "Loading this slot is impossible.\r\nThe slot format is unknown or the file is "
           "corrupted.";
  SuppressCopySound = true;
  RestoreToClipboard(platform_.clipboard, std::move(*bytes));
  SuppressCopySound = false;
  MarkSilentChange();
  return std::nullopt;
}

}  // namespace qv
