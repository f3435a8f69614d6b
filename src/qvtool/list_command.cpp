// list: a slot folder as the program would load it, every damaged slot
// reported on its own line instead of silently skipped.
#include <map>
#include <system_error>

#include "qvtool/commands.h"
#include "qvtool/json_writer.h"
#include "qvtool/slot_check.h"
#include "qvtool/slot_record.h"
#include "store/slot_attributes.h"
#include "store/slot_folder.h"
#include "util/codepage.h"
#include "util/file_io.h"

namespace qv::tool {
namespace {

std::string Num(uint64_t n) {
  return std::to_string(n);
}

std::optional<uint64_t> SizeOf(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  uint64_t size = std::filesystem::file_size(path, ec);
  if (ec) return std::nullopt;
  return size;
}

struct SlotEntry {
  TClipRec rec;  // the stored attributes, when the slot is sound
  std::optional<std::string> damage;
};

// The same checks the program makes before it loads a slot, plus the data
// file's own slot checks.
SlotEntry ReadEntry(const std::filesystem::path& folder, const SlotFileNames& names, size_t slot,
                    std::map<std::string, size_t>& dataOwners) {
  SlotEntry entry;
  auto damaged = [&](std::string why) {
    entry.damage = std::move(why);
    return std::move(entry);
  };
  if (names.data.empty() || names.attributes.empty())
    return damaged("slots.cfg names no " + std::string(names.data.empty() ? "data" : "attribute") +
                   " file for it");
  for (const std::string* name : {&names.data, &names.attributes}) {
    if (!SlotFilePath(folder, *name))
      return damaged("file name \"" + *name + "\" leaves the folder or cannot be converted");
  }
  if (auto [it, fresh] = dataOwners.emplace(names.data, slot); !fresh)
    return damaged("data file " + names.data + " already belongs to slot " + Num(it->second));

  const auto attributesPath = *SlotFilePath(folder, names.attributes);
  auto attributesSize = SizeOf(attributesPath);
  if (!attributesSize) return damaged("attribute file " + names.attributes + " missing");
  if (*attributesSize != kSlotAttributesSize)
    return damaged("attribute file " + names.attributes + " has " + Num(*attributesSize) +
                   " bytes, not " + Num(kSlotAttributesSize));
  auto attributes = ReadWholeFile(attributesPath, kSlotAttributesSize);
  if (!attributes) return damaged("attribute file " + names.attributes + " unreadable");
  if (!ReadSlotAttributes(*attributes, entry.rec))
    return damaged("attribute file " + names.attributes + " malformed");
  if (entry.rec.Kind == kKindEmpty)
    return damaged("attribute file " + names.attributes + " describes an empty slot");

  const auto dataPath = *SlotFilePath(folder, names.data);
  auto dataSize = SizeOf(dataPath);
  if (!dataSize) return damaged("data file " + names.data + " missing");
  if (*dataSize != entry.rec.Size)
    return damaged("data file " + names.data + " has " + Num(*dataSize) +
                   " bytes, the attributes say " + Num(entry.rec.Size));
  auto data = ReadWholeFile(dataPath, entry.rec.Size);
  if (!data) return damaged("data file " + names.data + " unreadable");
  if (auto problem = SlotStreamProblem(*data))
    return damaged("data file " + names.data + " invalid: " + *problem);
  return entry;
}

std::string CountsText(const TClipRec& rec) {
  if (!rec.HasTextFlag()) return "-";
  return AnsiToUtf8(rec.LineCountText.str()) + "/" + AnsiToUtf8(rec.WordCountText.str()) + "/" +
         AnsiToUtf8(rec.CharCountText.str());
}

std::string EntryLine(size_t slot, const SlotEntry& entry, bool json) {
  if (json) {
    JsonObject object;
    object.AddNumber("Slot", static_cast<int64_t>(slot));
    if (entry.damage)
      object.AddString("Error", *entry.damage);
    else
      AddRecordFields(object, entry.rec);
    return object.Text() + "\n";
  }
  std::string line = "slot " + Num(slot) + ": ";
  if (entry.damage) return line + "damaged: " + *entry.damage + "\n";
  const TClipRec& rec = entry.rec;
  return line + KindName(rec.Kind) + "  " + FlagLetters(rec) + "  " + CountsText(rec) + "  " +
         AnsiToUtf8(rec.SizeText.str()) + "  " + PreviewLine(rec) + "\n";
}

}  // namespace

CommandResult ListCommand(const std::filesystem::path& folder, bool json) {
  const auto indexPath = folder / kSlotIndexName;
  auto indexBytes = ReadWholeFile(indexPath);
  if (!indexBytes) return Failure(folder, "no readable slots.cfg");
  const IniDocument index = IniDocument::Parse(
      std::string_view(reinterpret_cast<const char*>(indexBytes->data()), indexBytes->size()));
  // The program reads a bad count as no slots at all; say so instead.
  auto countText = index.Get("main", "count");
  if (!countText) return Failure(indexPath, "no slot count ([main] count)");
  auto count = ParseIniInteger(*countText);
  if (!count || *count < 0 || *count > UINT16_MAX)
    return Failure(indexPath, "slot count \"" + *countText + "\" is not a number from 0 to 65535");

  CommandResult result;
  std::map<std::string, size_t> dataOwners;
  const std::vector<SlotFileNames> slots = ReadSlotIndex(index);
  for (size_t k = 0; k < slots.size(); ++k) {
    const SlotEntry entry = ReadEntry(folder, slots[k], k + 1, dataOwners);
    if (entry.damage) result.exitCode = kExitDamaged;
    result.out += EntryLine(k + 1, entry, json);
  }
  return result;
}

}  // namespace qv::tool
