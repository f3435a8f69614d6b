#include "store/work_folder.h"

#include <system_error>

#include "attributes/attribute_context.h"
#include "attributes/previews.h"
#include "settings/options_file.h"
#include "snapshot/snapshot_view.h"
#include "snapshot/unique_name.h"
#include "store/slot_attributes.h"
#include "store/slot_folder.h"
#include "store/stored_slot.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
TClipArr WorkFolder::Load(const ClipContext& clip, AttributeContext& attributes) {
  std::set<std::string> keep;
  std::set<std::string> usedDataFiles;
  TClipArr loaded;
  bool complete = false;
  try {
    const std::vector<SlotFileNames> stored =
        ReadSlotIndex(IniFile(folder_ / kSlotIndexName).Load());
    loaded.reserve(stored.size());
    for (const SlotFileNames& names : stored) {
      auto dataPath = SlotFilePath(folder_, names.data);
      auto attributesPath = SlotFilePath(folder_, names.attributes);
      if (!dataPath || !attributesPath) continue;
      if (!usedDataFiles.insert(names.data).second) continue;  // two slots, one file
      std::optional<TClipRec> rec;
      try {
        rec = LoadStoredSlot(*dataPath, *attributesPath, clip, attributes);
      } catch (const std::exception&) {
        // Out of memory for one huge slot: the others still load.
      }
      if (!rec) continue;
      keep.insert(names.attributes);
      keep.insert(names.data);
      stored_[rec->ContentStamp] = {names, WriteSlotAttributes(*rec)};
      loaded.push_back(std::move(*rec));
    }
    complete = true;
  } catch (const std::exception&) {
    // Whatever was read stays; the files stay too, for the next save.
  }
  preserved_ = keep;
  // Files no index names and no slot uses (left by a crash) go now.
  if (complete) RemoveUnnamedSlotFiles(folder_, keep);
  return loaded;
}

std::optional<std::string> WorkFolder::Save(const TClipArr& slots) {
  std::vector<SlotFileNames> names;
  std::set<std::string> keep;
  std::unordered_map<uint64_t, StoredCopy> stored;
  for (const TClipRec& rec : slots) {
    if (rec.Kind == kKindEmpty) continue;  // an empty Slot 0 is not stored
    const auto previous = stored_.find(rec.ContentStamp);
    const StoredCopy* copy = previous != stored_.end() ? &previous->second : nullptr;
    std::filesystem::path dataPath;
    if (rec.OnDisk && FileExists(rec.FileName) && rec.FileName.parent_path() == folder_) {
      dataPath = rec.FileName;  // kept as it is, not rewritten
    } else if (copy && FileExists(folder_ / copy->names.data)) {
      dataPath = folder_ / copy->names.data;  // this content, stored by an earlier save
    } else {
      Bytes data = rec.GetSnapshotData();
      if (data.empty()) continue;  // its data file disappeared
      dataPath = MakeUniqueFileName(folder_, "dat", system_);
      if (!WriteWholeFile(dataPath, data)) return UnableToWriteMessage(dataPath);
    }
    Bytes attributes = WriteSlotAttributes(rec);
    std::filesystem::path attributesPath;
    if (copy && copy->attributes == attributes && copy->names.data == IndexName(dataPath) &&
        FileExists(folder_ / copy->names.attributes)) {
      attributesPath = folder_ / copy->names.attributes;
    } else {
      attributesPath = MakeUniqueFileName(folder_, "dat", system_);
      if (!WriteWholeFile(attributesPath, attributes)) return UnableToWriteMessage(attributesPath);
    }
    names.push_back({IndexName(dataPath), IndexName(attributesPath)});
    keep.insert(names.back().data);
    keep.insert(names.back().attributes);
    stored[rec.ContentStamp] = {names.back(), std::move(attributes)};
  }
  const auto index = folder_ / kSlotIndexName;
  if (!ReplaceFileAtomically(index, AsBytes(MakeSlotIndex(names).Text())))
    return UnableToWriteMessage(index);
  RemoveUnnamedSlotFiles(folder_, keep);
  // Until the next save, the files this index names stay even when the list
  // lets go of them: a crash in between still finds every slot it names.
  preserved_ = std::move(keep);
  stored_ = std::move(stored);
  return std::nullopt;
}

std::optional<std::string> WorkFolder::Discard() {
  return Unstore({});
}

std::optional<std::string> WorkFolder::Unstore(const TClipArr& slots) {
  const auto index = folder_ / kSlotIndexName;
  if (!ReplaceFileAtomically(index, AsBytes("[main]\r\ncount=0\r\n")))
    return UnableToWriteMessage(index);
  std::set<std::string> inUse;
  for (const TClipRec& rec : slots)
    if (rec.OnDisk && rec.FileName.parent_path() == folder_) inUse.insert(IndexName(rec.FileName));
  preserved_.clear();
  stored_.clear();
  RemoveUnnamedSlotFiles(folder_, inUse);
  return std::nullopt;
}

void WorkFolder::ApplyDiskPolicy(TClipArr& slots, const ClipContext& clip) {
  for (TClipRec& rec : slots) {
    if (rec.Kind == kKindEmpty) continue;
    const bool disk = clip.BelongsOnDisk(rec.Size);
    if (disk && !rec.OnDisk && rec.Data) {
      auto path = MakeUniqueFileName(folder_, "dat", system_);
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

bool WorkFolder::IsPreserved(const std::filesystem::path& file) const {
  if (preserved_.empty() || file.parent_path() != folder_) return false;
  return preserved_.count(IndexName(file)) != 0;
}

void WorkFolder::Release(TClipRec& rec, bool deleteFile) const {
  if (deleteFile && rec.OnDisk && IsPreserved(rec.FileName)) deleteFile = false;
  rec.FreeSnapshotData(deleteFile);
}

}  // namespace qv
