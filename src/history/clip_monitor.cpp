#include "history/clip_monitor.h"

#include <exception>

#include "attributes/classify.h"
#include "history/capture_state.h"
#include "history/copy_sound.h"
#include "history/slot_list.h"
#include "platform/clipboard.h"
#include "settings/options.h"
#include "snapshot/clip_context.h"
#include "util/flag_guard.h"

namespace qv {

void ClipMonitor::InformClipboardChange() {
  if (state_.IgnoreClipboardChange) return;
  Clipboard& clipboard = clip_.clipboard;
  // A second notice of a change already captured (notices can arrive twice).
  if (state_.Handled()) return;
  {
    // Whatever a capture throws, monitoring goes on at the next change.
    FlagGuard capturing(state_.IgnoreClipboardChange);
    for (int round = 0; round < kMaxReadingsPerNotice; ++round) {
      ClipboardReading reading = ReadClipboard(clipboard, clip_.system);
      const uint32_t before = reading.sequence;
      reading.followUp = round > 0;
      Apply(std::move(reading), false);
      // The clipboard changed again while we captured: its notice was ignored,
      // so capture once more.
      if (clipboard.SequenceNumber() == before) break;
    }
    TrimToCount();
  }
  if (onSlotsChanged) onSlotsChanged();
}

void ClipMonitor::ApplyQueuedReadings(bool trim) {
  if (state_.IgnoreClipboardChange) return;
  std::vector<ClipboardReading> readings = state_.Gate().TakeReadings();
  if (readings.empty()) return;
  {
    FlagGuard capturing(state_.IgnoreClipboardChange);
    for (ClipboardReading& reading : readings) {
      try {
        Apply(std::move(reading), false);
      } catch (const std::exception&) {
        // That change is lost to the history; the ones after it are not.
      }
    }
    if (trim) TrimToCount();
  }
  if (onSlotsChanged) onSlotsChanged();
}

void ClipMonitor::TrimToCount() {
  list_.TrimSlots(static_cast<size_t>(options_.count) + 1);
}

void ClipMonitor::MultipleClip(bool noActions) {
  Apply(ReadClipboard(clip_.clipboard, clip_.system), noActions);
}

void ClipMonitor::Apply(ClipboardReading reading, bool noActions) {
  TClipArr& Slots = list_.Slots;
  const uint32_t sequence = reading.sequence;
  // A clipboard still held by another program after the retries: nothing is
  // known, so nothing changes (its next notice tries again).
  if (reading.state == ClipboardState::Unavailable) return;
  // The list already reflects this change or a later one.
  if (!state_.NewerThanHandled(sequence)) return;
  if (reading.state == ClipboardState::Private) {
    state_.MarkHandled(sequence);
    return;
  }
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (slot0Empty && reading.state == ClipboardState::Empty) {
    state_.MarkHandled(sequence);
    return;
  }
  if (reading.state == ClipboardState::HasData && reading.captured.stream.empty()) return;
  if (!slot0Empty) Slots.emplace_back();
  const size_t target = Slots.size() - 1;

  if (reading.state == ClipboardState::Empty) {
    Slots[target].ClearSnapshot();
    state_.MarkHandled(sequence);
    return;
  }

  try {
    Slots[target].SetSnapshotData(std::move(reading.captured.stream),
                                  std::move(reading.captured.formats), clip_);
    MakeClipRec(Slots, target, attributes_);
  } catch (...) {
    // Half-derived slots are not kept: the history stays as it was.
    list_.DropLast();
    if (slot0Empty) Slots.emplace_back();
    throw;
  }
  state_.MarkHandled(sequence);

  // A second reading of one change (the clipboard moved while the first was
  // taken, back to the same content) adds nothing.
  const bool repeat = target > 0 && (reading.followUp || options_.nodouble) &&
                      SlotsIdentical(Slots, target, target - 1, attributes_);
  if (repeat) {
    // The slot before it stands for the clipboard again.
    list_.DropLast();
    return;
  }
  if (noActions) return;
  if (!state_.SuppressCopySound && options_.playsound) sound_.Play();
  if (onNewSlotActions) onNewSlotActions(target);
}

}  // namespace qv
