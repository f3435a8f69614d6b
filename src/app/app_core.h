#pragma once
// The program's model, independent of any window: folders, options, the slot
// list and the flags that keep the program's own clipboard writes out of it.
#include <filesystem>
#include <optional>
#include <string>

#include "app/folders.h"
#include "clip/clip_context.h"
#include "clip/clip_rec.h"
#include "settings/options.h"

namespace qv {

class Clipboard;
class MetafileRenderer;
class SystemServices;

class AppCore {
 public:
  AppCore(Clipboard& clipboard, MetafileRenderer& renderer, SystemServices& system,
          AppFolders folders);

  AppFolders folders;
  Options options;
  bool firstRun = false;  // the first-run flag read at this start
  ClipContext clip;
  TClipArr Slots;
  bool IgnoreClipboardChange = false;
  bool SuppressCopySound = false;

  // Start-up: creates the folders and reads the options. Returns the message
  // to show when the options file could not be written.
  std::optional<std::string> PrepareFoldersAndOptions();
  // Shut-down: stores or discards the slot list. Returns a message for a write
  // the file system refused.
  std::optional<std::string> StoreSlotsForNextStart();

  // Applies the disk policy options to the snapshot context.
  void ApplyOptionsToContext();
};

}  // namespace qv
