#pragma once
// Turns clipboard change notices into new Slot 0s: captures, drops repeats
// (`nodouble`), trims the list, plays the copy sound and hands new slots to
// the automatic actions.
#include <cstddef>
#include <functional>

#include "history/clipboard_reading.h"

namespace qv {

class CaptureState;
class CopySound;
class SlotList;
struct AttributeContext;
struct ClipContext;
struct Options;

class ClipMonitor {
 public:
  ClipMonitor(SlotList& list, CaptureState& state, ClipContext& clip, AttributeContext& attributes,
              const Options& options, const CopySound& sound)
      : list_(list),
        state_(state),
        clip_(clip),
        attributes_(attributes),
        options_(options),
        sound_(sound) {}

  // Told after a clipboard change changed the list (the window redraws).
  std::function<void()> onSlotsChanged;
  // Runs the automatic actions for a newly captured slot.
  std::function<void(size_t index)> onNewSlotActions;

  // A clipboard change notice, read on this thread.
  void InformClipboardChange();
  // Applies the readings the capture thread queued at the gate, oldest
  // first. While changes are ignored they stay queued. Without `trim` the
  // list is not cut to the count (slot indices a command holds stay valid).
  void ApplyQueuedReadings(bool trim = true);
  // Captures the clipboard as the new Slot 0 (or empties it). With `noActions`
  // (start-up) no sound plays and no actions run.
  void MultipleClip(bool noActions);
  // Drops the oldest slots beyond the configured count.
  void TrimToCount();

 private:
  // What a reading means for the list: a new Slot 0, an emptied Slot 0, or
  // nothing (a repeat, an older reading, a private clipboard).
  void Apply(ClipboardReading reading, bool noActions);

  SlotList& list_;
  CaptureState& state_;
  ClipContext& clip_;
  AttributeContext& attributes_;
  const Options& options_;
  const CopySound& sound_;
};

}  // namespace qv
