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

#include "store/folders.h"
#include "attributes/attribute_context.h"
#include "history/copy_sound.h"
#include "snapshot/clip_context.h"
#include "store/work_folder.h"
#include "snapshot/clip_rec.h"
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
  AttributeContext attributes;
  WorkFolder work;
  // Oldest first; the last element is Slot 0, the clipboard. Never empty.
  TClipArr Slots;
  bool IgnoreClipboardChange = false;
  bool SuppressCopySound = false;

  // Told after a clipboard change changed the list (the window redraws).
  std::function<void()> onSlotsChanged;
  // Runs the automatic actions for a newly captured slot.
  std::function<void(size_t index)> onNewSlotActions;

  // --- Start-up and shut-down (history/app_core.cpp) ---
  // Creates the folders and reads the options. Returns the message to show
  // when the options file could not be written.
  std::optional<std::string> PrepareFoldersAndOptions();
  // Applies the options that the snapshot work reads (disk policy, previews).
  void ApplyOptionsToContext();
  // The file-list views of every file slot again (after pathfiles changed).
  void RebuildFileViews();
  // Reads the copy sound named by the options, when playsound is on.
  void LoadCopySound();
  bool CopySoundLoaded() const { return copySound_.Loaded(); }
  // After the settings were saved: re-reads options.cfg and applies what the
  // model holds (count, disk policy, previews, sound). In settings/options_reload.cpp.
  ReloadEffects ReLoadOptions();
  // Shut-down: stores the slot list (saveslots) or discards it.
  std::optional<std::string> StoreSlotsForNextStart();

  // --- Clipboard monitoring (history/clip_monitor.cpp) ---
  // A clipboard change notice.
  void InformClipboardChange();
  // Captures the clipboard as the new Slot 0 (or empties it).
  void MultipleClip(bool noActions);

  // --- The slot list (history/slot_list.cpp). Indices are list indices. ---
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
  // Where the record with this serial is now; nullopt when it left the list.
  std::optional<size_t> IndexOfSerial(uint64_t serial) const;
  // The commands around the operations: the clipboard writes they make are not
  // captured, and they wait as the user interface expects.
  void SwapCommand(size_t index);
  void PreviousCommand();
  void NextCommand();
  void MoveUpCommand(size_t index);
  void MoveDownCommand(size_t index);
  void DeleteCommand(size_t index);
  void ClearCommand();

  // --- The work folder (history/work_slots.cpp, over store/work_folder.h) ---
  void LoadWorkSlots();
  std::optional<std::string> SaveWorkSlots();
  std::optional<std::string> DiscardWorkSlots();
  void ApplyDiskPolicy();

  // --- Single slot files (history/slot_files.cpp) ---
  // Writes the slot's stream to a temporary file in the work folder for an
  // export (store/slot_file.h finishes or cancels it).
  std::optional<std::filesystem::path> PrepareSlotExport(size_t index);
  // Puts a .slot file on the clipboard, where it is captured as a new Slot 0.
  // Returns the message to show for a file that is not a valid slot.
  std::optional<std::string> LoadSlotFile(const std::filesystem::path& file);

  // Releases a record's data; a file the stored index still names is kept
  // until the next exit writes a new index.
  void ReleaseRecord(TClipRec& rec, bool deleteFile) { work.Release(rec, deleteFile); }

 private:
  friend class OwnClipboardWrite;
  bool PutOnClipboard(const TClipRec& rec);
  // Remembers the clipboard state the list reflects, so repeated notices of one
  // change capture it once.
  void MarkClipboardHandled();
  // The change the program just wrote plays no copy sound even when its
  // notice arrives after the write returned (some systems post it).
  void MarkSilentChange();

  Platform platform_;
  CopySound copySound_;
  uint32_t handledSequence_ = 0;
  std::optional<uint32_t> silentSequence_;
  bool haveHandledSequence_ = false;
};

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
