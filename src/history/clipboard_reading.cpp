#include "history/clipboard_reading.h"

#include "history/clipboard_gate.h"
#include "platform/clipboard.h"
#include "platform/system.h"

namespace qv {

ClipboardReading ReadClipboard(Clipboard& clipboard, SystemServices& system) {
  ClipboardReading reading;
  reading.sequence = clipboard.SequenceNumber();
  reading.state = ProbeClipboard(clipboard, system);
  if (reading.state != ClipboardState::HasData) return reading;
  for (int attempt = 0; attempt < kOpenAttempts && reading.captured.stream.empty(); ++attempt) {
    if (attempt > 0) system.Sleep(kOpenRetryMilliseconds);
    reading.captured = CaptureSnapshot(clipboard);
  }
  return reading;
}

int ClipboardReader::OnNotice() {
  int queued = 0;
  for (int round = 0; round < kMaxReadingsPerNotice; ++round) {
    ClipboardGate::ReadTurn turn(gate_);
    const uint32_t sequence = clipboard_.SequenceNumber();
    if (sequence == lastRead_ || gate_.IsOwn(sequence)) break;
    ClipboardReading reading = ReadClipboard(clipboard_, system_);
    // A clipboard still held by another program: its next notice tries again.
    if (reading.state == ClipboardState::Unavailable) break;
    reading.sequence = sequence;
    reading.followUp = round > 0;
    lastRead_ = sequence;
    turn.Deliver(std::move(reading));
    ++queued;
    if (clipboard_.SequenceNumber() == sequence) break;
  }
  return queued;
}

}  // namespace qv
