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
  // Until a session opens; then the number of what it read (no other program
  // can change the clipboard while it is open here).
  reading.sequence = clipboard.SequenceNumber();
  // One session judges the formats and copies them. Formats listed but none
  // rendered is what a clipboard in the middle of a change can show for a
  // moment, so that is read again too; a clipboard that never renders
  // anything is kept as it is after the retries.
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) system.Sleep(kOpenRetryMilliseconds);
    ClipboardState judged = ClipboardState::Unavailable;
    uint32_t sequence = 0;
    CapturedSnapshot captured = CaptureSnapshot(clipboard, [&](const std::vector<uint32_t>& ids) {
      sequence = clipboard.SequenceNumber();
      judged = JudgeFormats(clipboard, ids);
      return judged == ClipboardState::HasData;
    });
    // A clipboard held by another program keeps an earlier attempt's verdict.
    if (judged == ClipboardState::Unavailable) continue;
    reading.sequence = sequence;
    reading.state = judged;
    reading.captured = std::move(captured);
    if (judged != ClipboardState::HasData || HoldsContent(reading.captured.stream)) break;
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
    // The clipboard may have changed again before the read began: what was
    // read carries its own number, so the notice of that change reads nothing.
    const uint32_t read = reading.sequence;
    if (read == lastRead_ || gate_.IsOwn(read)) break;
    reading.followUp = round > 0;
    lastRead_ = read;
    turn.Deliver(std::move(reading));
    ++queued;
    if (clipboard_.SequenceNumber() == read) break;
  }
  return queued;
}

}  // namespace qv
