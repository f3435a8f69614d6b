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
  // One session judges the formats and copies them. Formats listed but none
  // rendered is what a clipboard in the middle of a change can show for a
  // moment, so that is read again too; a clipboard that never renders
  // anything is kept as it is after the retries.
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) system.Sleep(kOpenRetryMilliseconds);
    ClipboardState judged = ClipboardState::Unavailable;
    CapturedSnapshot captured = CaptureSnapshot(clipboard, [&](const std::vector<uint32_t>& ids) {
      judged = JudgeFormats(clipboard, ids);
      return judged == ClipboardState::HasData;
    });
    // A clipboard held by another program keeps an earlier attempt's verdict.
    if (judged == ClipboardState::Unavailable) continue;
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
