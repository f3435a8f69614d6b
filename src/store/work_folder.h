#pragma once
// The work folder: the slot list between runs, and the data files of large
// slots while the program runs.
//
// Crash safety: loading leaves the stored files in place and keeps the ones
// the stored index names until the next save; saving writes the new files
// first, then replaces the index in one step, then removes what no index names.
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "snapshot/clip_rec.h"

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
  // Moves slots to or from data files as the disk policy now asks.
  void ApplyDiskPolicy(TClipArr& slots, const ClipContext& clip);
  // Releases a record's data; a file the stored index still names is kept
  // until the next save writes a new index.
  void Release(TClipRec& rec, bool deleteFile) const;

 private:
  bool IsPreserved(const std::filesystem::path& file) const;

  std::filesystem::path folder_;
  SystemServices& system_;
  // Files named by the index the previous run stored: a crash before the next
  // save must still find them.
  std::set<std::string> preserved_;
};

}  // namespace qv
