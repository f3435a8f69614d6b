#include "store/slot_file.h"

#include <algorithm>
#include <cctype>
#include <system_error>

#include "settings/options_file.h"
#include "snapshot/slot_stream.h"
#include "snapshot/unique_name.h"
#include "util/file_io.h"

namespace qv {
namespace {

// A .slot file larger than this is not something the program wrote.
constexpr uint64_t kMaxSlotFileBytes = 1536ull << 20;

}  // namespace

std::filesystem::path SlotExportName(const std::filesystem::path& chosen) {
  std::u16string ext = chosen.extension().u16string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](char16_t c) {
    return c < 0x80 ? static_cast<char16_t>(std::tolower(static_cast<int>(c))) : c;
  });
  if (ext == u".slot") return chosen;
  std::filesystem::path named = chosen;
  named += ".slot";
  return named;
}

std::optional<std::filesystem::path> PrepareSlotExport(const TClipRec& rec,
                                                       const std::filesystem::path& folder,
                                                       SystemServices& system) {
  auto temporary = MakeUniqueFileName(folder, "dat", system);
  std::error_code ec;
  bool ok = rec.OnDisk ? std::filesystem::copy_file(rec.FileName, temporary, ec)
                       : WriteWholeFile(temporary, rec.Data ? ByteView(*rec.Data) : ByteView());
  if (!ok) {
    RemoveFile(temporary);
    return std::nullopt;
  }
  return temporary;
}

std::optional<std::string> FinishSlotExport(const std::filesystem::path& temporary,
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

void CancelSlotExport(const std::filesystem::path& temporary) {
  RemoveFile(temporary);
}

std::optional<Bytes> ReadSlotFile(const std::filesystem::path& file) {
  auto bytes = ReadWholeFile(file, kMaxSlotFileBytes);
  if (!bytes || !ValidateSlotData(*bytes)) return std::nullopt;
  return bytes;
}

}  // namespace qv
