#include "app/app_core.h"

#include "settings/options_file.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {

AppCore::AppCore(Clipboard& clipboard, MetafileRenderer& renderer, SystemServices& system,
                 AppFolders appFolders)
    : folders(std::move(appFolders)), clip(clipboard, renderer, system, folders.WorkFolder) {
  Slots.emplace_back();
}

std::optional<std::string> AppCore::PrepareFoldersAndOptions() {
  EnsureAppFolders(folders);
  SuppressCopySound = false;
  LoadOptionsResult loaded = LoadOptions(IniFile(folders.OptionsFile));
  options = loaded.options;
  firstRun = options.firstrun;
  ApplyOptionsToContext();
  if (loaded.firstRunWriteFailed) return UnableToWriteMessage(folders.OptionsFile);
  return std::nullopt;
}

void AppCore::ApplyOptionsToContext() {
  clip.workFolder = folders.WorkFolder;
  clip.write2disk = options.write2disk;
  clip.maxsize = options.maxsize;
}

std::optional<std::string> AppCore::StoreSlotsForNextStart() {
  if (options.saveslots) return std::nullopt;  // the work folder writer is not built yet
  // Without saved slots the next start finds an empty index; the data files of
  // slots kept on disk go with the list.
  for (TClipRec& rec : Slots) rec.FreeSnapshotData(true);
  Slots.clear();
  fs::path index = folders.WorkFolder / "slots.cfg";
  if (!ReplaceFileAtomically(index, AsBytes("[main]\r\ncount=0\r\n")))
    return UnableToWriteMessage(index);
  return std::nullopt;
}

}  // namespace qv
