// The work folder: the slot list between runs, and large slots while running.
//
// Crash safety: loading leaves the stored files in place and keeps the ones
// the stored index names until the next exit; exit writes the new files first,
// then replaces the index in one step, then removes what no index names.
#include <set>
#include <system_error>

#include "app/app_core.h"
#include "clip/clipboard_io.h"
#include "settings/options_file.h"
#include "store/slot_attributes.h"
#include "store/slot_folder.h"
#include "store/slot_stream.h"
#include "store/unique_name.h"
#include "ui/previews.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

std::filesystem::path InFolder(const std::filesystem::path& folder, const std::string& name) {
  return folder / std::filesystem::u8path(name);
}

std::string NameOf(const std::filesystem::path& path) {
  std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

uint64_t FileSize(const std::filesystem::path& path) {
  std::error_code ec;
  uint64_t size = std::filesystem::file_size(path, ec);
  return ec ? UINT64_MAX : size;
}

}  // namespace

void AppCore::LoadWorkSlots() {
  const auto& work = folders.WorkFolder;
  const std::vector<SlotFileNames> stored = ReadSlotIndex(IniFile(work / kSlotIndexName).Load());
  std::set<std::string> keep;
  std::set<std::string> usedDataFiles;
  TClipArr loaded;
  loaded.reserve(stored.size());
  for (const SlotFileNames& names : stored) {
    // A damaged or missing pair of files skips that slot; the others load.
    if (!IsPlainFileName(names.data) || !IsPlainFileName(names.attributes)) continue;
    if (!usedDataFiles.insert(names.data).second) continue;  // two slots, one file
    const auto attributesPath = InFolder(work, names.attributes);
    const auto dataPath = InFolder(work, names.data);
    TClipRec rec;
    auto attributes = ReadWholeFile(attributesPath, kSlotAttributesSize);
    if (!attributes || !ReadSlotAttributes(*attributes, rec) || rec.Kind == kKindEmpty) continue;
    if (clip.BelongsOnDisk(rec.Size)) {
      if (FileSize(dataPath) != rec.Size) continue;
      rec.OnDisk = true;
      rec.FileName = dataPath;
    } else {
      auto data = ReadWholeFile(dataPath, rec.Size);
      if (!data || data->size() != rec.Size) continue;
      auto view = ParseSlotStream(*data);
      if (!view || !view->complete) continue;
      rec.Data = std::move(*data);
    }
    if (rec.HasPictureFlag()) MakePictureViews(rec, platform_.renderer, clip.previews);
    if (rec.HasTextFlag()) MakeRichView(rec, clip.previews);
    if (rec.HasFiles) GetFiles(rec, clip.previews);
    keep.insert(names.attributes);
    keep.insert(names.data);
    loaded.push_back(std::move(rec));
  }
  preservedFiles_ = keep;
  // Files no index names and no slot uses (left by a crash) go now.
  RemoveUnnamedSlotFiles(work, keep);

  if (loaded.empty()) {
    MultipleClip(true);
    TrimSlots(static_cast<size_t>(options.count) + 1);
    return;
  }
  Slots = std::move(loaded);
  if (ClipboardHasData(platform_.clipboard)) {
    MultipleClip(true);
  } else {
    // The program starts with the clipboard holding Slot 0.
    PutOnClipboard(Slots.back());
    MarkClipboardHandled();
  }
  TrimSlots(static_cast<size_t>(options.count) + 1);
}

std::optional<std::string> AppCore::SaveWorkSlots() {
  const auto& work = folders.WorkFolder;
  std::vector<SlotFileNames> names;
  std::set<std::string> keep;
  for (const TClipRec& rec : Slots) {
    if (rec.Kind == kKindEmpty) continue;  // an empty Slot 0 is not stored
    std::filesystem::path dataPath;
    if (rec.OnDisk && FileExists(rec.FileName) && rec.FileName.parent_path() == work) {
      dataPath = rec.FileName;  // kept as it is, not rewritten
    } else {
      Bytes data = rec.GetSnapshotData();
      if (data.empty()) continue;  // its data file disappeared
      dataPath = MakeUniqueFileName(work, "dat", platform_.system);
      if (!WriteWholeFile(dataPath, data)) return UnableToWriteMessage(dataPath);
    }
    auto attributesPath = MakeUniqueFileName(work, "dat", platform_.system);
    if (!WriteWholeFile(attributesPath, WriteSlotAttributes(rec)))
      return UnableToWriteMessage(attributesPath);
    names.push_back({NameOf(dataPath), NameOf(attributesPath)});
    keep.insert(names.back().data);
    keep.insert(names.back().attributes);
  }
  const auto index = work / kSlotIndexName;
  if (!ReplaceFileAtomically(index, AsBytes(MakeSlotIndex(names).Text())))
    return UnableToWriteMessage(index);
  RemoveUnnamedSlotFiles(work, keep);
  preservedFiles_.clear();
  return std::nullopt;
}

std::optional<std::string> AppCore::DiscardWorkSlots() {
  const auto index = folders.WorkFolder / kSlotIndexName;
  if (!ReplaceFileAtomically(index, AsBytes("[main]\r\ncount=0\r\n")))
    return UnableToWriteMessage(index);
  // Every data file of this run and of the previous index goes with the list.
  Slots.clear();
  Slots.emplace_back();
  preservedFiles_.clear();
  RemoveUnnamedSlotFiles(folders.WorkFolder, {});
  return std::nullopt;
}

void AppCore::ApplyDiskPolicy() {
  for (TClipRec& rec : Slots) {
    if (rec.Kind == kKindEmpty) continue;
    const bool disk = clip.BelongsOnDisk(rec.Size);
    if (disk && !rec.OnDisk && rec.Data) {
      auto path = MakeUniqueFileName(folders.WorkFolder, "dat", platform_.system);
      if (!WriteWholeFile(path, *rec.Data)) {
        RemoveFile(path);
        continue;  // stays in memory
      }
      rec.Data.reset();
      rec.OnDisk = true;
      rec.FileName = path;
    } else if (!disk && rec.OnDisk) {
      auto data = ReadWholeFile(rec.FileName);
      if (!data) continue;
      if (!IsPreserved(rec.FileName)) RemoveFile(rec.FileName);
      rec.Data = std::move(*data);
      rec.OnDisk = false;
      rec.FileName.clear();
    }
  }
}

}  // namespace qv
