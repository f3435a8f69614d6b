// The slot list between runs: loading the work folder at start, storing or
// discarding the list at exit.
#include "history/app_core.h"
#include "snapshot/clipboard_io.h"

namespace qv {

void AppCore::LoadWorkSlots() {
  TClipArr loaded = work.Load(clip, attributes);
  if (loaded.empty()) {
    MultipleClip(true);
    TrimSlots(static_cast<size_t>(options.count) + 1);
    return;
  }
  Slots = std::move(loaded);
  if (ClipboardHasData(platform_.clipboard)) {
    MultipleClip(true);
  } else {
    // The program starts with the clipboard holding Slot 0.
    PutOnClipboard(Slots.back());
    MarkClipboardHandled();
  }
  TrimSlots(static_cast<size_t>(options.count) + 1);
}

std::optional<std::string> AppCore::SaveWorkSlots() {
  return work.Save(Slots);
}

std::optional<std::string> AppCore::DiscardWorkSlots() {
  if (auto message = work.Discard()) return message;
  // Every data file of this run and of the previous index went with the list.
  Slots.clear();
  Slots.emplace_back();
  return std::nullopt;
}

void AppCore::ApplyDiskPolicy() {
  work.ApplyDiskPolicy(Slots, clip);
}

}  // namespace qv
