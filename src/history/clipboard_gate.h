#pragma once
// Where the capture thread and the program's own clipboard writes meet.
//
// The capture thread reads other programs' changes; the main thread writes
// the clipboard for the user's commands and captures what it wrote itself.
// The gate keeps the two apart: a read waits for a write in progress, a write
// waits (a little) for a read in progress, and a change the program wrote is
// never read by the thread. Readings queue here until the main thread takes
// them. Everything here may be called from either thread.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "history/clipboard_reading.h"

namespace qv {

class ClipboardGate {
 public:
  // Main thread. A write waits this long at most for a read in progress (an
  // owner that renders slowly must not freeze the window for long; the write
  // then finds the clipboard busy and fails as it would for another program).
  static constexpr std::chrono::milliseconds kWritePatience{500};

  // Main thread: an own write begins (writes may nest). False when a read
  // was still in progress after the patience ran out.
  bool BeginWrite(std::chrono::milliseconds patience = kWritePatience);
  // Main thread: the own write ended, leaving the clipboard at `sequence`
  // (none when it changed nothing: the clipboard is still another program's).
  void EndWrite(std::optional<uint32_t> sequence);
  bool Writing() const;

  // True when the clipboard at `sequence` is what the program wrote itself.
  bool IsOwn(uint32_t sequence) const;

  // Capture thread: one read, waiting first for a write in progress to end.
  class ReadTurn {
   public:
    explicit ReadTurn(ClipboardGate& gate);
    ~ReadTurn();
    ReadTurn(const ReadTurn&) = delete;
    ReadTurn& operator=(const ReadTurn&) = delete;
    // Queues the reading; it is in the queue before the turn ends.
    void Deliver(ClipboardReading reading);

   private:
    ClipboardGate& gate_;
  };

  // Main thread: the readings queued so far, oldest first.
  std::vector<ClipboardReading> TakeReadings();
  bool HasReadings() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  int writeDepth_ = 0;
  bool reading_ = false;
  std::optional<uint32_t> ownSequence_;
  std::vector<ClipboardReading> readings_;
};

}  // namespace qv
