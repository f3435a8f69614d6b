#include "store/set_store.h"

#include <algorithm>
#include <system_error>

#include "platform/system.h"
#include "settings/options_file.h"
#include "snapshot/clip_context.h"
#include "snapshot/unique_name.h"
#include "store/slot_attributes.h"
#include "store/slot_folder.h"
#include "store/stored_slot.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

// Set folders are numbered 0 to 999999.
constexpr uint32_t kSetNumbers = 1000000;
// Draws before a sets folder that refuses new folders is reported.
constexpr int kFolderAttempts = 10000;

bool Blank(std::string_view line) {
  return std::all_of(line.begin(), line.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

IniDocument LoadIndex(const fs::path& setFolder) {
  return IniFile(setFolder / kSlotIndexName).Load();
}

std::vector<std::string> ReadInfo(const fs::path& setFolder) {
  auto bytes = ReadWholeFile(setFolder / kSetInfoName, 1 << 20);
  if (!bytes) return {};
  return InfoLines(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

// The sub-folders that hold an index, in name order.
std::vector<fs::path> SetFolders(const fs::path& setsFolder) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (fs::directory_iterator it(setsFolder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_symlink(typeError) || !it->is_directory(typeError)) continue;
    if (FileExists(it->path() / kSlotIndexName)) found.push_back(it->path());
  }
  std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
    return a.filename().native() < b.filename().native();
  });
  return found;
}

}  // namespace

std::string SetTimeText(int hour, int minute, int second) {
  return std::to_string(hour) + ":" + std::to_string(minute) + ":" + std::to_string(second);
}

std::string InfoText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::vector<std::string> InfoLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines.emplace_back(text);
      break;
    }
    lines.emplace_back(text.substr(0, end));
    const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    text.remove_prefix(next);
  }
  return lines;
}

bool HasText(const std::vector<std::string>& lines) {
  return !std::all_of(lines.begin(), lines.end(), Blank);
}

void SetStore::ScanSets() {
  SetList.clear();
  for (const fs::path& setFolder : SetFolders(folder_)) {
    const IniDocument index = LoadIndex(setFolder);
    SetEntry entry;
    entry.Folder = setFolder;
    entry.Name = IniString(index, "main", "name", "");
    entry.Date = IniString(index, "main", "date", "");
    entry.Time = IniString(index, "main", "time", "");
    entry.Count = static_cast<uint16_t>(IniInteger(index, "main", "count", 0));
    entry.Info = ReadInfo(setFolder);
    SetList.push_back(std::move(entry));
  }
}

std::vector<std::string> SetStore::NamesOnDisk() const {
  std::vector<std::string> names;
  for (const fs::path& setFolder : SetFolders(folder_))
    names.push_back(IniString(LoadIndex(setFolder), "main", "name", ""));
  return names;
}

std::optional<fs::path> SetStore::MakeSetFolder() {
  for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
    fs::path candidate = folder_ / std::to_string(system_.Random(kSetNumbers));
    std::error_code ec;
    if (fs::exists(fs::symlink_status(candidate, ec))) continue;
    if (files_.MakeFolder(candidate)) return candidate;
    if (!fs::exists(fs::symlink_status(candidate, ec))) return std::nullopt;  // refused
  }
  return std::nullopt;
}

std::optional<std::string> SetStore::SaveSet(const TClipArr& slots, const std::string& name,
                                             const std::vector<std::string>& comment,
                                             const SetStamp& stamp) {
  auto setFolder = MakeSetFolder();
  if (!setFolder) return UnableToWriteMessage(folder_);
  // Whatever fails, the new folder goes with everything written into it.
  auto fail = [&](const fs::path& path) {
    std::error_code ec;
    fs::remove_all(*setFolder, ec);
    return UnableToWriteMessage(path);
  };
  std::vector<SlotFileNames> names;
  for (const TClipRec& rec : slots) {
    if (rec.Kind == kKindEmpty) continue;  // an empty Slot 0
    const fs::path dataPath = MakeUniqueFileName(*setFolder, "dat", system_);
    if (rec.OnDisk && FileExists(rec.FileName)) {
      if (!files_.Copy(rec.FileName, dataPath)) return fail(dataPath);
    } else {
      const Bytes data = rec.GetSnapshotData();
      if (data.empty()) continue;  // its data file disappeared
      if (!files_.Write(dataPath, data)) return fail(dataPath);
    }
    const fs::path attributesPath = MakeUniqueFileName(*setFolder, "dat", system_);
    if (!files_.Write(attributesPath, WriteSlotAttributes(rec))) return fail(attributesPath);
    names.push_back({IndexName(dataPath), IndexName(attributesPath)});
  }
  if (HasText(comment)) {
    const fs::path info = *setFolder / kSetInfoName;
    if (!files_.Write(info, AsBytes(InfoText(comment)))) return fail(info);
  }
  const IniDocument index = MakeSlotIndex(names, [&](IniDocument& doc) {
    doc.Set("main", "name", name);
    doc.Set("main", "date", stamp.date);
    doc.Set("main", "time", stamp.time);
  });
  const fs::path indexPath = *setFolder / kSlotIndexName;
  if (!files_.Replace(indexPath, AsBytes(index.Text()))) return fail(indexPath);
  ScanSets();
  return std::nullopt;
}

TClipArr SetStore::ReadSetSlots(const fs::path& setFolder, const ClipContext& clip,
                                AttributeContext& attributes) {
  TClipArr loaded;
  std::vector<SlotFileNames> stored;
  try {
    stored = ReadSlotIndex(LoadIndex(setFolder));
  } catch (const std::exception&) {
    return loaded;
  }
  for (const SlotFileNames& names : stored) {
    auto dataPath = SlotFilePath(setFolder, names.data);
    auto attributesPath = SlotFilePath(setFolder, names.attributes);
    if (!dataPath || !attributesPath) continue;
    try {
      std::optional<TClipRec> rec = LoadStoredSlot(*dataPath, *attributesPath, clip, attributes);
      if (!rec) continue;
      if (rec->OnDisk) {
        // The set keeps its file: the slot gets a copy of its own.
        const fs::path copy = MakeUniqueFileName(clip.workFolder, "dat", system_);
        if (!files_.Copy(*dataPath, copy)) {
          RemoveFile(copy);
          continue;
        }
        rec->FileName = copy;
      }
      loaded.push_back(std::move(*rec));
    } catch (const std::exception&) {
      // Out of memory for one huge slot: the others still load.
    }
  }
  return loaded;
}

void SetStore::DeleteSet(const SetEntry& entry) {
  const fs::path indexPath = entry.Folder / kSlotIndexName;
  if (FileExists(indexPath)) {
    for (const SlotFileNames& names : ReadSlotIndex(LoadIndex(entry.Folder))) {
      for (const std::string* name : {&names.data, &names.attributes})
        if (auto path = SlotFilePath(entry.Folder, *name)) RemoveFile(*path);
    }
    RemoveFile(indexPath);
  }
  RemoveFile(entry.Folder / kSetInfoName);
  std::error_code ec;
  fs::remove(entry.Folder, ec);  // only when nothing else is left in it
  ScanSets();
}

bool SetStore::RenameSet(SetEntry& entry, const std::string& name) {
  const fs::path indexPath = entry.Folder / kSlotIndexName;
  auto bytes = ReadWholeFile(indexPath, 16 << 20);
  if (!bytes) return false;
  IniDocument index = IniDocument::Parse(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  index.Set("main", "name", name);
  if (!files_.Replace(indexPath, AsBytes(index.Text()))) return false;
  entry.Name = name;
  return true;
}

bool SetStore::SetComment(SetEntry& entry, const std::vector<std::string>& lines) {
  if (!files_.Replace(entry.Folder / kSetInfoName, AsBytes(InfoText(lines)))) return false;
  entry.Info = lines;
  return true;
}

}  // namespace qv
