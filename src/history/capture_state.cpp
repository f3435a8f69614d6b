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

void CaptureState::MarkSilent() {
  silentSequence_ = clipboard_.SequenceNumber();
}

bool CaptureState::Silent(uint32_t sequence) const {
  return SuppressCopySound || silentSequence_ == sequence;
}

OwnClipboardWrite::OwnClipboardWrite(CaptureState& state, SystemServices& system,
                                     uint32_t waitMilliseconds)
    : state_(state),
      system_(system),
      previous_(state.IgnoreClipboardChange),
      wait_(waitMilliseconds) {
  state_.IgnoreClipboardChange = true;
}

OwnClipboardWrite::~OwnClipboardWrite() {
  if (wait_) system_.Sleep(wait_);
  state_.IgnoreClipboardChange = previous_;
  // What the program just wrote is already in the list; a late notice of it
  // must not make it a new slot.
  if (!previous_) state_.MarkHandled();
}

}  // namespace qv
