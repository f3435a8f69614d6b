#include "history/capture_state.h"

#include "platform/clipboard.h"
#include "platform/system.h"

namespace qv {

bool CaptureState::Handled() const {
  return handledSequence_ == clipboard_.SequenceNumber();
}

void CaptureState::MarkHandled() {
  MarkHandled(clipboard_.SequenceNumber());
}

void CaptureState::MarkHandled(uint32_t sequence) {
  handledSequence_ = sequence;
}

bool CaptureState::NewerThanHandled(uint32_t sequence) const {
  return !handledSequence_ || static_cast<int32_t>(sequence - *handledSequence_) > 0;
}

uint32_t CaptureState::BeginOwnWrite() {
  gate_->BeginWrite();
  if (applyQueuedReadings) applyQueuedReadings();  // none while changes are ignored
  return clipboard_.SequenceNumber();
}

void CaptureState::EndOwnWrite(uint32_t sequenceBefore) {
  // A write that did not happen (the clipboard was busy) leaves the change
  // before it to be read as another program's.
  const uint32_t now = clipboard_.SequenceNumber();
  gate_->EndWrite(now != sequenceBefore ? std::optional(now) : std::nullopt);
}

OwnClipboardWrite::OwnClipboardWrite(CaptureState& state, SystemServices& system,
                                     uint32_t waitMilliseconds)
    : state_(state), system_(system), wait_(waitMilliseconds) {
  sequenceBefore_ = state_.BeginOwnWrite();
  previous_ = state_.IgnoreClipboardChange;
  state_.IgnoreClipboardChange = true;
}

OwnClipboardWrite::~OwnClipboardWrite() {
  if (wait_) system_.Sleep(wait_);
  state_.IgnoreClipboardChange = previous_;
  // What the program just wrote is already in the list; a late notice of it
  // must not make it a new slot. A write that did not happen (the clipboard
  // was busy) leaves a reading still on its way as it is.
  if (!previous_ && state_.clipboard_.SequenceNumber() != sequenceBefore_) state_.MarkHandled();
  state_.EndOwnWrite(sequenceBefore_);
}

CapturedClipboardWrite::CapturedClipboardWrite(CaptureState& state, bool silent) : state_(state) {
  sequenceBefore_ = state_.BeginOwnWrite();
  previous_ = state_.SuppressCopySound;
  state_.SuppressCopySound = silent || previous_;
}

CapturedClipboardWrite::~CapturedClipboardWrite() {
  try {
    if (state_.captureOwnWrite) state_.captureOwnWrite();
  } catch (...) {
    // A capture that failed leaves the history as it was; the write stands.
  }
  state_.SuppressCopySound = previous_;
  state_.EndOwnWrite(sequenceBefore_);
}

}  // namespace qv
