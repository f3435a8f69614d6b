#include "history/chain_watch.h"

namespace qv {

void ChainWatch::NoticeHandled(uint32_t sequence) {
  seen_ = true;
  seenSequence_ = sequence;
  moved_ = false;
}

bool ChainWatch::ChainBroken(uint32_t sequence, uint32_t nowMilliseconds) {
  if (!seen_) {
    NoticeHandled(sequence);
    return false;
  }
  if (sequence == seenSequence_) {
    moved_ = false;
    return false;
  }
  if (!moved_) {
    moved_ = true;
    movedAt_ = nowMilliseconds;
    return false;
  }
  if (nowMilliseconds - movedAt_ < kGraceMilliseconds) return false;
  // Once per missed change: the next report waits for another grace period.
  NoticeHandled(sequence);
  return true;
}

}  // namespace qv
