#include "history/clipboard_reading.h"

#include "history/clipboard_gate.h"
#include "platform/clipboard.h"
#include "platform/system.h"
#include "snapshot/slot_stream.h"

namespace qv {
namespace {

bool HoldsContent(ByteView stream) {
  auto header = ReadSlotHeader(stream);
  return header && (header->recordCount > 0 || header->hasBitmap || header->hasMetafile);
}

}  // namespace

ClipboardReading ReadClipboard(Clipboard& clipboard, SystemServices& system) {
  ClipboardReading reading;
  reading.sequence = clipboard.SequenceNumber();
  reading.state = ProbeClipboard(clipboard, system);
  if (reading.state != ClipboardState::HasData) return reading;
  // Formats listed but none rendered is what a clipboard in the middle of a
  // change can show for a moment; a capture a little later finds them. A
  // clipboard that never renders anything is kept as it is after the retries.
  for (int attempt = 0; attempt < kOpenAttempts && !HoldsContent(reading.captured.stream);
       ++attempt) {
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
