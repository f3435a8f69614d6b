#pragma once
// The program's model, independent of any window: its folders and options,
// and the parts that own the slot list, clipboard monitoring and the user's
// commands. Here it starts and shuts down, and applies options to its parts.
// The main window drives it and shows it.
#include <optional>
#include <string>
#include <vector>

#include "attributes/attribute_context.h"
#include "history/capture_state.h"
#include "history/clip_monitor.h"
#include "history/copy_sound.h"
#include "history/options_reload.h"
#include "history/set_commands.h"
#include "history/slot_commands.h"
#include "history/slot_list.h"
#include "settings/options.h"
#include "snapshot/clip_context.h"
#include "store/folders.h"
#include "store/set_store.h"
#include "store/work_folder.h"
#include "util/file_io.h"

namespace qv {

class Clipboard;
class MetafileRenderer;
class SoundPlayer;
class SystemServices;

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
  CopySound copySound;
  CaptureState capture;
  SlotList list;
  ClipMonitor monitor;
  SlotCommands commands;
  FileWriter files;
  SetStore sets;
  SetCommands setCommands;

  // Creates the folders and reads the options. Returns the message to show
  // when the options file could not be written.
  std::optional<std::string> PrepareFoldersAndOptions();
  // Applies the options that the snapshot work reads (disk policy, previews).
  void ApplyOptionsToContext();
  // The file-list views of every file slot again (after pathfiles changed).
  void RebuildFileViews();
  // Reads the copy sound named by the options, when playsound is on.
  void LoadCopySound();
  // After the settings were saved: re-reads options.cfg and applies what the
  // model holds (count, disk policy, previews, sound).
  ReloadEffects ReLoadOptions();

  // Start-up: the slot list from the work folder; the clipboard becomes Slot 0
  // or gets the last stored slot back.
  void LoadWorkSlots();
  std::optional<std::string> SaveWorkSlots();
  // Empties the stored index and the list.
  std::optional<std::string> DiscardWorkSlots();
  // Moves slots to or from data files as the disk policy now asks.
  void ApplyDiskPolicy();
  // Shut-down: stores the slot list (saveslots) or discards it.
  std::optional<std::string> StoreSlotsForNextStart();
  // While running, asked often (a few times a second): with saveslots on,
  // writes the work folder when the list changed since it was last written,
  // so a crash loses no more than the last moments. The message on failure.
  std::optional<std::string> StoreChangedSlots();

 private:
  // The content stamps of the list as the work folder last stored it.
  std::vector<uint64_t> storedStamps_;
  bool storedOnce_ = false;
  std::vector<uint64_t> ListStamps() const;
};

}  // namespace qv
