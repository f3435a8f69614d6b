#pragma once
// Notices when the clipboard viewer chain has stopped passing change notices
// on (a program that joined after this one and dropped out without telling
// the chain, or never forwards the notice): the clipboard's sequence number
// moves, and no notice follows within a grace period.
#include <cstdint>

namespace qv {

class ChainWatch {
 public:
  static constexpr uint32_t kGraceMilliseconds = 1000;

  // A change notice was handled; `sequence` is the clipboard's sequence
  // number after handling it (so a change the handling itself caused, such
  // as a format rendered on request, counts as seen).
  void NoticeHandled(uint32_t sequence);
  // Asked regularly, with a millisecond clock that may wrap round (only the
  // difference of two readings counts): true when the sequence number has
  // differed from the last one seen for at least the grace period. The caller
  // then rejoins the chain, and the notice of joining captures the change.
  bool ChainBroken(uint32_t sequence, uint32_t nowMilliseconds);

 private:
  bool seen_ = false;
  uint32_t seenSequence_ = 0;
  bool moved_ = false;
  uint32_t movedAt_ = 0;
};

}  // namespace qv
