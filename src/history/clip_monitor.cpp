#include "history/clip_monitor.h"

#include "attributes/classify.h"
#include "history/capture_state.h"
#include "history/copy_sound.h"
#include "history/slot_list.h"
#include "platform/clipboard.h"
#include "platform/system.h"
#include "settings/options.h"
#include "snapshot/clip_context.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/clipboard_probe.h"
#include "util/flag_guard.h"

namespace qv {
namespace {

// A change that lands while a capture runs is captured afterwards; a clipboard
// that keeps changing under us is not chased for ever.
constexpr int kMaxCapturesPerNotice = 4;

}  // namespace

void ClipMonitor::InformClipboardChange() {
  if (state_.IgnoreClipboardChange) return;
  Clipboard& clipboard = clip_.clipboard;
  // A second notice of a change already captured (notices can arrive twice).
  if (state_.Handled()) return;
  bool changed = false;
  {
    // Whatever a capture throws, monitoring goes on at the next change.
    FlagGuard capturing(state_.IgnoreClipboardChange);
    TClipArr& Slots = list_.Slots;
    for (int round = 0; round < kMaxCapturesPerNotice; ++round) {
      uint32_t before = clipboard.SequenceNumber();
      size_t lengthBefore = Slots.size();
      MultipleClip(false);
      changed = true;
      // A second round that found the same content again adds nothing.
      if (round > 0 && Slots.size() > lengthBefore && Slots.size() >= 2 &&
          SlotsIdentical(Slots, Slots.size() - 1, Slots.size() - 2, attributes_))
        list_.DropLast();
      // The clipboard changed again while we captured: its notice was ignored, so
      // capture once more.
      if (clipboard.SequenceNumber() == before) break;
    }
    TrimToCount();
  }
  if (changed && onSlotsChanged) onSlotsChanged();
}

void ClipMonitor::TrimToCount() {
  list_.TrimSlots(static_cast<size_t>(options_.count) + 1);
}

void ClipMonitor::MultipleClip(bool noActions) {
  Clipboard& clipboard = clip_.clipboard;
  TClipArr& Slots = list_.Slots;
  const uint32_t sequence = clipboard.SequenceNumber();
  ClipboardState state = ProbeClipboard(clipboard, clip_.system);
  // A clipboard still held by another program after the retries: nothing is
  // known, so nothing changes (its next notice tries again).
  if (state == ClipboardState::Unavailable) return;
  if (state == ClipboardState::Private) {
    state_.MarkHandled();
    return;
  }
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (slot0Empty && state == ClipboardState::Empty) {
    state_.MarkHandled();
    return;
  }
  if (!slot0Empty) Slots.emplace_back();
  const size_t target = Slots.size() - 1;

  if (state == ClipboardState::Empty) {
    Slots[target].ClearSnapshot();
    state_.MarkHandled(sequence);
    return;
  }

  CapturedSnapshot captured;
  for (int attempt = 0; attempt < kOpenAttempts && captured.stream.empty(); ++attempt) {
    if (attempt > 0) clip_.system.Sleep(kOpenRetryMilliseconds);
    captured = CaptureSnapshot(clipboard);
  }
  if (captured.stream.empty()) {
    if (!slot0Empty) list_.DropLast();
    return;
  }
  try {
    Slots[target].SetSnapshotData(std::move(captured.stream), std::move(captured.formats), clip_);
    MakeClipRec(Slots, target, attributes_);
  } catch (...) {
    // Half-derived slots are not kept: the history stays as it was.
    list_.DropLast();
    if (slot0Empty) Slots.emplace_back();
    throw;
  }
  state_.MarkHandled(sequence);

  if (target > 0 && options_.nodouble && SlotsIdentical(Slots, target, target - 1, attributes_)) {
    // The slot before it stands for the clipboard again.
    list_.DropLast();
    return;
  }
  if (noActions) return;
  if (!state_.Silent(sequence) && options_.playsound && ClipboardHasData(clipboard)) sound_.Play();
  if (onNewSlotActions) onNewSlotActions(target);
}

}  // namespace qv
