#pragma once
// Sets: named copies of the slot list, each a slot folder of its own under the
// sets folder, named by a random number. Its index carries the set's name and
// when it was saved; an optional "info" file holds its comment.
//
// A set is written whole or not at all: data and attribute files first, the
// comment, then the index under a temporary name renamed into place. A folder
// without an index is not a set, so a failed save leaves nothing listed.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "snapshot/clip_rec.h"

namespace qv {

class FileWriter;
class SystemServices;
struct AttributeContext;
struct ClipContext;

inline constexpr char kSetInfoName[] = "info";

struct SetEntry {
  std::string Name;
  std::string Date;
  std::string Time;
  uint16_t Count = 0;
  std::vector<std::string> Info;  // the comment's lines
  std::filesystem::path Folder;
};

// When a set was saved, as its index stores it.
struct SetStamp {
  std::string date;  // the system's short date format
  std::string time;  // SetTimeText
};

// Hours, minutes and seconds without leading zeros: 9:05:07 is "9:5:7".
std::string SetTimeText(int hour, int minute, int second);

// The comment's lines as "info" stores them, and back.
std::string InfoText(const std::vector<std::string>& lines);
std::vector<std::string> InfoLines(std::string_view text);
// True when the lines hold anything but blanks and control characters.
bool HasText(const std::vector<std::string>& lines);

class SetStore {
 public:
  SetStore(std::filesystem::path setsFolder, SystemServices& system, FileWriter& files)
      : folder_(std::move(setsFolder)), system_(system), files_(files) {}

  const std::filesystem::path& Folder() const { return folder_; }

  // Every set on disk, in folder-name order (as Windows lists them).
  std::vector<SetEntry> SetList;
  void ScanSets();
  // The names of the sets on disk, read fresh.
  std::vector<std::string> NamesOnDisk() const;

  // Writes the slots as a new set (an empty Slot 0 is left out). The message
  // to show when it could not be written; then nothing of it remains.
  std::optional<std::string> SaveSet(const TClipArr& slots, const std::string& name,
                                     const std::vector<std::string>& comment,
                                     const SetStamp& stamp);
  // The set's slots, oldest first, with their views. Data the disk policy puts
  // on disk is copied into the work folder. A missing or damaged pair of
  // files skips that slot; the set itself is never changed.
  TClipArr ReadSetSlots(const std::filesystem::path& setFolder, const ClipContext& clip,
                        AttributeContext& attributes);
  // Removes the set's files and its folder (a folder that holds other files
  // stays, but is no set any more), then rescans.
  void DeleteSet(const SetEntry& entry);
  // False when the index could not be written.
  bool RenameSet(SetEntry& entry, const std::string& name);
  bool SetComment(SetEntry& entry, const std::vector<std::string>& lines);

 private:
  std::optional<std::filesystem::path> MakeSetFolder();

  std::filesystem::path folder_;
  SystemServices& system_;
  FileWriter& files_;
};

}  // namespace qv
