#include "history/app_core.h"

#include "attributes/previews.h"
#include "settings/options_file.h"
#include "settings/text_font.h"
#include "snapshot/clipboard_io.h"

namespace qv {

AppCore::AppCore(const Platform& platform, AppFolders appFolders)
    : folders(std::move(appFolders)),
      clip(platform.clipboard, platform.system, folders.WorkFolder),
      attributes(clip, platform.renderer),
      work(folders.WorkFolder, platform.system),
      copySound(platform.sound),
      capture(platform.clipboard),
      list(work, clip),
      monitor(list, capture, clip, attributes, options, copySound),
      commands(list, capture, clip),
      sets(folders.SetsFolder, platform.system, files),
      setCommands(list, capture, clip, attributes, monitor, sets) {
  capture.applyQueuedReadings = [this] { monitor.ApplyQueuedReadings(false); };
  capture.captureOwnWrite = [this] { monitor.InformClipboardChange(); };
}

std::optional<std::string> AppCore::PrepareFoldersAndOptions() {
  EnsureAppFolders(folders);
  capture.SuppressCopySound = false;
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
  for (TClipRec& rec : list.Slots)
    if (rec.HasFiles) GetFiles(rec, attributes.previews);
}

void AppCore::LoadCopySound() {
  copySound.Load(options.playsound, options.sound);
}

ReloadEffects AppCore::ReLoadOptions() {
  const Options before = options;
  options = ReadReloadedOptions(before, folders.OptionsFile);
  ReloadEffects effects = CompareOptions(before, options);
  ApplyOptionsToContext();
  // A smaller count drops the oldest slots (with their files); a larger one
  // leaves room for the next copies.
  if (effects.count) monitor.TrimToCount();
  ApplyDiskPolicy();
  // Text views are in the text font: a new font makes them again, text
  // views when they are next shown, file lists at once.
  const bool newFont = TextFontFromOptions(before) != TextFontFromOptions(options);
  if (newFont)
    for (TClipRec& rec : list.Slots)
      if (rec.HasTextFlag()) rec.TextView.reset();
  if (effects.slotsRedraw || newFont) RebuildFileViews();
  if (options.playsound || before.playsound != options.playsound || before.sound != options.sound)
    LoadCopySound();
  // No longer kept for the next start: the stored index and its files go at
  // once, as an exit would remove them; the running list keeps its slots.
  if (before.saveslots && !options.saveslots) {
    work.Unstore(list.Slots);
    storedOnce_ = false;
  }
  return effects;
}

void AppCore::LoadWorkSlots() {
  TClipArr loaded = work.Load(clip, attributes);
  if (loaded.empty()) {
    monitor.MultipleClip(true);
    monitor.TrimToCount();
    return;
  }
  list.Slots = std::move(loaded);
  if (ClipboardHasData(clip.clipboard)) {
    monitor.MultipleClip(true);
  } else {
    // The program starts with the clipboard holding Slot 0.
    list.PutOnClipboard(list.Slot0Index());
    capture.MarkHandled();
  }
  monitor.TrimToCount();
}

std::optional<std::string> AppCore::SaveWorkSlots() {
  if (auto message = work.Save(list.Slots)) return message;
  storedStamps_ = ListStamps();
  storedOnce_ = true;
  return std::nullopt;
}

std::vector<uint64_t> AppCore::ListStamps() const {
  std::vector<uint64_t> stamps;
  stamps.reserve(list.Slots.size());
  for (const TClipRec& rec : list.Slots)
    if (rec.Kind != kKindEmpty) stamps.push_back(rec.ContentStamp);
  return stamps;
}

std::optional<std::string> AppCore::StoreChangedSlots() {
  if (!options.saveslots) return std::nullopt;
  if (storedOnce_ && ListStamps() == storedStamps_) return std::nullopt;
  return SaveWorkSlots();
}

std::optional<std::string> AppCore::DiscardWorkSlots() {
  if (auto message = work.Discard()) return message;
  // Every data file of this run and of the previous index went with the list.
  list.Reset();
  return std::nullopt;
}

void AppCore::ApplyDiskPolicy() {
  work.ApplyDiskPolicy(list.Slots, clip);
}

std::optional<std::string> AppCore::StoreSlotsForNextStart() {
  return options.saveslots ? SaveWorkSlots() : DiscardWorkSlots();
}

}  // namespace qv
