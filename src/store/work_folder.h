#pragma once
// The work folder: the slot list between runs, and the data files of large
// slots while the program runs.
//
// Crash safety: loading leaves the stored files in place and keeps the ones
// the stored index names until the next save; saving writes the new files
// first, then replaces the index in one step, then removes what no index names.
// Saves may come as often as the list changes: a slot whose content and
// attributes the current index already holds is named again, not rewritten.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>

#include "snapshot/clip_rec.h"
#include "store/slot_folder.h"

namespace qv {

class SystemServices;
struct AttributeContext;
struct ClipContext;

class WorkFolder {
 public:
  WorkFolder(std::filesystem::path folder, SystemServices& system)
      : folder_(std::move(folder)), system_(system) {}

  const std::filesystem::path& Path() const { return folder_; }

  // The slots the stored index names, oldest first, with their views derived.
  // A damaged, missing or unnameable pair of files skips that slot; nothing
  // throws. Files no index names and no slot uses (left by a crash) are removed.
  TClipArr Load(const ClipContext& clip, AttributeContext& attributes);
  // Writes every non-empty slot and the index. The message to show on failure.
  std::optional<std::string> Save(const TClipArr& slots);
  // Writes an empty index and removes every slot file.
  std::optional<std::string> Discard();
  // Writes an empty index and removes every slot file but the data files the
  // running list still reads. The message on failure.
  std::optional<std::string> Unstore(const TClipArr& slots);
  // Moves slots to or from data files as the disk policy now asks.
  void ApplyDiskPolicy(TClipArr& slots, const ClipContext& clip);
  // Releases a record's data; a file the stored index still names is kept
  // until the next save writes a new index.
  void Release(TClipRec& rec, bool deleteFile) const;

 private:
  bool IsPreserved(const std::filesystem::path& file) const;

  std::filesystem::path folder_;
  SystemServices& system_;
  // Files named by the index on disk (stored by the previous run or by the
  // last save): a crash before the next save must still find them.
  std::set<std::string> preserved_;
  // What the index on disk holds of each record, by its content stamp.
  struct StoredCopy {
    SlotFileNames names;
    Bytes attributes;  // the attribute file's bytes
  };
  std::unordered_map<uint64_t, StoredCopy> stored_;
};

}  // namespace qv
