#pragma once
// The program's model, independent of any window: folders, options, the slot
// list, clipboard monitoring and the work folder. The main window drives it and
// shows it. Its parts are defined in the folder of their subsystem.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/folders.h"
#include "clip/clip_context.h"
#include "clip/clip_rec.h"
#include "settings/options.h"

namespace qv {

class Clipboard;
class MetafileRenderer;
class SoundPlayer;
class SystemServices;

// What re-reading the options changed that the windows must follow.
struct ReloadEffects {
  bool opacity = false;
  bool placement = false;
  bool page = false;
  bool count = false;
  bool textViewer = false;
  bool pictureBackground = false;
  bool toolbarHints = false;
  bool docking = false;
  bool slotsRedraw = false;
};

struct Platform {
  Clipboard& clipboard;
  MetafileRenderer& renderer;
  SystemServices& system;
  SoundPlayer& sound;
};

class AppCore {
 public:
  AppCore(const Platform& platform, AppFolders folders);

  AppFolders folders;
  Options options;
  bool firstRun = false;  // the first-run flag read at this start
  ClipContext clip;
  // Oldest first; the last element is Slot 0, the clipboard. Never empty.
  TClipArr Slots;
  bool IgnoreClipboardChange = false;
  bool SuppressCopySound = false;

  // Told after a clipboard change changed the list (the window redraws).
  std::function<void()> onSlotsChanged;
  // Runs the automatic actions for a newly captured slot.
  std::function<void(size_t index)> onNewSlotActions;

  // --- Start-up and shut-down (app/app_core.cpp) ---
  // Creates the folders and reads the options. Returns the message to show
  // when the options file could not be written.
  std::optional<std::string> PrepareFoldersAndOptions();
  // Applies the options that the snapshot work reads (disk policy, previews).
  void ApplyOptionsToContext();
  // The file-list views of every file slot again (after pathfiles changed).
  void RebuildFileViews();
  // Reads the copy sound named by the options, when playsound is on.
  void LoadCopySound();
  bool CopySoundLoaded() const { return copySound_ != nullptr; }
  // After the settings were saved: re-reads options.cfg and applies what the
  // model holds (count, disk policy, previews, sound). In settings/options_reload.cpp.
  ReloadEffects ReLoadOptions();
  // Shut-down: stores the slot list (saveslots) or discards it.
  std::optional<std::string> StoreSlotsForNextStart();

  // --- Clipboard monitoring (clip/clip_monitor.cpp) ---
  // A clipboard change notice.
  void InformClipboardChange();
  // Captures the clipboard as the new Slot 0 (or empties it).
  void MultipleClip(bool noActions);

  // --- The slot list (app/slot_list.cpp). Indices are list indices. ---
  static void SetSlotCount(TClipArr& list, size_t count);
  bool TrimSlots(size_t limit);
  void DeleteSlot(size_t index);
  void ClearSlots();
  void SwapWithClipboard(size_t index);
  void CopySlotIntoSlot0(size_t index);
  void PutSlotOnClipboard(size_t index);
  void MoveSlotUp(size_t index);
  void MoveSlotDown(size_t index);
  void RotateSlotsBack();
  void RotateSlotsForward();
  size_t Slot0Index() const { return Slots.size() - 1; }
  // The commands around the operations: the clipboard writes they make are not
  // captured, and they wait as the user interface expects.
  void SwapCommand(size_t index);
  void PreviousCommand();
  void NextCommand();
  void MoveUpCommand(size_t index);
  void MoveDownCommand(size_t index);
  void DeleteCommand(size_t index);
  void ClearCommand();

  // --- The work folder (store/work_slots.cpp) ---
  void LoadWorkSlots();
  std::optional<std::string> SaveWorkSlots();
  std::optional<std::string> DiscardWorkSlots();
  void ApplyDiskPolicy();

  // --- Single slot files (store/slot_files.cpp) ---
  // Writes the slot's stream to a temporary file in the work folder for an export.
  std::optional<std::filesystem::path> PrepareSlotExport(size_t index);
  // Moves the temporary file to the chosen name (".slot" added when missing).
  // Returns the message to show when the file could not be written.
  std::optional<std::string> FinishSlotExport(const std::filesystem::path& temporary,
                                              const std::filesystem::path& chosen);
  void CancelSlotExport(const std::filesystem::path& temporary);
  // Puts a .slot file on the clipboard, where it is captured as a new Slot 0.
  // Returns the message to show for a file that is not a valid slot.
  std::optional<std::string> LoadSlotFile(const std::filesystem::path& file);

  // Releases a record's data; a file the stored index still names is kept
  // until the next exit writes a new index.
  void ReleaseRecord(TClipRec& rec, bool deleteFile);

 private:
  friend class OwnClipboardWrite;
  bool PutOnClipboard(const TClipRec& rec);
  void PlayCopySound();
  // Remembers the clipboard state the list reflects, so repeated notices of one
  // change capture it once.
  void MarkClipboardHandled();
  // The change the program just wrote plays no copy sound even when its
  // notice arrives after the write returned (some systems post it).
  void MarkSilentChange();
  bool IsPreserved(const std::filesystem::path& file) const;

  Platform platform_;
  std::shared_ptr<const Bytes> copySound_;
  uint32_t handledSequence_ = 0;
  std::optional<uint32_t> silentSequence_;
  bool haveHandledSequence_ = false;
  // Files named by the index the previous exit stored: a crash before the next
  // exit must still find them.
  std::set<std::string> preservedFiles_;  // names in the work folder
};

// The file name an export gets: ".slot" appended unless the chosen name has
// that extension in any case.
std::filesystem::path SlotExportName(const std::filesystem::path& chosen);

// Marks a stretch in which the program writes the clipboard itself: nothing it
// writes is captured. Restores the previous flag at the end, after an optional wait.
class OwnClipboardWrite {
 public:
  explicit OwnClipboardWrite(AppCore& core, uint32_t waitMilliseconds = 0);
  ~OwnClipboardWrite();
  OwnClipboardWrite(const OwnClipboardWrite&) = delete;
  OwnClipboardWrite& operator=(const OwnClipboardWrite&) = delete;

 private:
  AppCore& core_;
  bool previous_;
  uint32_t wait_;
};

}  // namespace qv
