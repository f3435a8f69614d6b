// Turning clipboard change notices into new Slot 0s.
#include "history/app_core.h"
#include "attributes/classify.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/clipboard_probe.h"
#include "platform/clipboard.h"
#include "platform/system.h"
#include "util/flag_guard.h"

namespace qv {
namespace {

// A change that lands while a capture runs is captured afterwards; a clipboard
// that keeps changing under us is not chased for ever.
constexpr int kMaxCapturesPerNotice = 4;

}  // namespace

void AppCore::InformClipboardChange() {
  if (IgnoreClipboardChange) return;
  Clipboard& clipboard = platform_.clipboard;
  // A second notice of a change already captured (notices can arrive twice).
  if (haveHandledSequence_ && clipboard.SequenceNumber() == handledSequence_) return;
  bool changed = false;
  {
    // Whatever a capture throws, monitoring goes on at the next change.
    FlagGuard capturing(IgnoreClipboardChange);
    for (int round = 0; round < kMaxCapturesPerNotice; ++round) {
      uint32_t before = clipboard.SequenceNumber();
      size_t lengthBefore = Slots.size();
      MultipleClip(false);
      changed = true;
      // A second round that found the same content again adds nothing.
      if (round > 0 && Slots.size() > lengthBefore && Slots.size() >= 2 &&
          SlotsIdentical(Slots, Slots.size() - 1, Slots.size() - 2, attributes)) {
        ReleaseRecord(Slots.back(), true);
        Slots.pop_back();
      }
      // The clipboard changed again while we captured: its notice was ignored, so
      // capture once more.
      if (clipboard.SequenceNumber() == before) break;
    }
    TrimSlots(static_cast<size_t>(options.count) + 1);
  }
  if (changed && onSlotsChanged) onSlotsChanged();
}

void AppCore::MultipleClip(bool noActions) {
  Clipboard& clipboard = platform_.clipboard;
  const uint32_t sequence = clipboard.SequenceNumber();
  ClipboardState state = ProbeClipboard(clipboard, platform_.system);
  // A clipboard still held by another program after the retries: nothing is
  // known, so nothing changes (its next notice tries again).
  if (state == ClipboardState::Unavailable) return;
  if (state == ClipboardState::Private) {
    MarkClipboardHandled();
    return;
  }
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (slot0Empty && state == ClipboardState::Empty) {
    MarkClipboardHandled();
    return;
  }
  if (!slot0Empty) Slots.emplace_back();
  const size_t target = Slots.size() - 1;
  auto dropTarget = [&] {
    if (!slot0Empty) {
      ReleaseRecord(Slots.back(), true);
      Slots.pop_back();
    }
  };

  if (state == ClipboardState::Empty) {
    Slots[target].ClearSnapshot();
    handledSequence_ = sequence;
    haveHandledSequence_ = true;
    return;
  }

  CapturedSnapshot captured;
  for (int attempt = 0; attempt < kOpenAttempts && captured.stream.empty(); ++attempt) {
    if (attempt > 0) platform_.system.Sleep(kOpenRetryMilliseconds);
    captured = CaptureSnapshot(clipboard);
  }
  if (captured.stream.empty()) {
    dropTarget();
    return;
  }
  try {
    Slots[target].SetSnapshotData(std::move(captured.stream), std::move(captured.formats), clip);
    MakeClipRec(Slots, target, attributes);
  } catch (...) {
    // Half-derived slots are not kept: the history stays as it was.
    ReleaseRecord(Slots[target], true);
    if (slot0Empty)
      Slots[target] = TClipRec();
    else
      Slots.pop_back();
    throw;
  }
  handledSequence_ = sequence;
  haveHandledSequence_ = true;

  if (target > 0 && options.nodouble && SlotsIdentical(Slots, target, target - 1, attributes)) {
    // The slot before it stands for the clipboard again.
    ReleaseRecord(Slots[target], true);
    Slots.pop_back();
    return;
  }
  if (noActions) return;
  const bool silent = SuppressCopySound || silentSequence_ == sequence;
  if (!silent && options.playsound && ClipboardHasData(clipboard)) copySound_.Play();
  if (onNewSlotActions) onNewSlotActions(target);
}

}  // namespace qv
