#include "history/app_core.h"

#include "snapshot/clipboard_io.h"
#include "platform/clipboard.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "settings/options_file.h"
#include "attributes/previews.h"
#include "util/file_io.h"

namespace qv {

AppCore::AppCore(const Platform& platform, AppFolders appFolders)
    : folders(std::move(appFolders)),
      clip(platform.clipboard, platform.system, folders.WorkFolder),
      attributes(clip, platform.renderer),
      work(folders.WorkFolder, platform.system),
      platform_(platform),
      copySound_(platform.sound) {
  Slots.emplace_back();
}

std::optional<std::string> AppCore::PrepareFoldersAndOptions() {
  EnsureAppFolders(folders);
  SuppressCopySound = false;
  LoadOptionsResult loaded = LoadOptions(IniFile(folders.OptionsFile));
  options = loaded.options;
  firstRun = options.firstrun;
  ApplyOptionsToContext();
  LoadCopySound();
  if (loaded.firstRunWriteFailed) return UnableToWriteMessage(folders.OptionsFile);
  return std::nullopt;
}

void AppCore::ApplyOptionsToContext() {
  clip.workFolder = folders.WorkFolder;
  clip.write2disk = options.write2disk;
  clip.maxsize = options.maxsize;
  attributes.previews.font = TextFontFromOptions(options);
  attributes.previews.pathfiles = options.pathfiles;
  attributes.previews.pictureSize = options.pictureSize;
}

void AppCore::RebuildFileViews() {
  for (TClipRec& rec : Slots)
    if (rec.HasFiles) GetFiles(rec, attributes.previews);
}

void AppCore::LoadCopySound() {
  copySound_.Load(options.playsound, options.sound);
}

void AppCore::MarkClipboardHandled() {
  handledSequence_ = platform_.clipboard.SequenceNumber();
  haveHandledSequence_ = true;
}

void AppCore::MarkSilentChange() {
  silentSequence_ = platform_.clipboard.SequenceNumber();
}

bool AppCore::PutOnClipboard(const TClipRec& rec) {
  return RestoreToClipboard(platform_.clipboard, rec.GetSnapshotData());
}

std::optional<std::string> AppCore::StoreSlotsForNextStart() {
  return options.saveslots ? SaveWorkSlots() : DiscardWorkSlots();
}

OwnClipboardWrite::OwnClipboardWrite(AppCore& core, uint32_t waitMilliseconds)
    : core_(core), previous_(core.IgnoreClipboardChange), wait_(waitMilliseconds) {
  core_.IgnoreClipboardChange = true;
}

OwnClipboardWrite::~OwnClipboardWrite() {
  if (wait_) core_.platform_.system.Sleep(wait_);
  core_.IgnoreClipboardChange = previous_;
  // What the program just wrote is already in the list; a late notice of it
  // must not make it a new slot.
  if (!previous_) core_.MarkClipboardHandled();
}

}  // namespace qv
