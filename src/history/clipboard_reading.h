#pragma once
// What a look at the clipboard after a change found, taken apart from what the
// slot list makes of it: the reading may be taken on a thread of its own, so
// that an owner that renders its formats slowly holds up that thread only.
#include <cstdint>
#include <optional>

#include "snapshot/clipboard_io.h"
#include "snapshot/clipboard_probe.h"

namespace qv {

class Clipboard;
class ClipboardGate;
class SystemServices;

struct ClipboardReading {
  // The clipboard's sequence number as read: taken while the clipboard was
  // open for the reading (before it, when it never opened).
  uint32_t sequence = 0;
  ClipboardState state = ClipboardState::Unavailable;
  // Every format, when `state` is HasData (empty when the capture failed).
  CapturedSnapshot captured;
  // Taken because the clipboard changed while the one before was taken: the
  // one before may already hold this content.
  bool followUp = false;
};

// Probes and captures the clipboard as it is now, waiting briefly for a
// clipboard another program holds.
ClipboardReading ReadClipboard(Clipboard& clipboard, SystemServices& system);

// Reads other programs' changes for the capture thread and queues them at the
// gate, each sequence number once.
class ClipboardReader {
 public:
  ClipboardReader(Clipboard& clipboard, SystemServices& system, ClipboardGate& gate)
      : clipboard_(clipboard), system_(system), gate_(gate) {}

  // A change notice. Reads the clipboard unless this change was read already
  // or the program wrote it itself, and again while it changes under the
  // reading (a few times at most). Returns how many readings were queued.
  int OnNotice();

 private:
  Clipboard& clipboard_;
  SystemServices& system_;
  ClipboardGate& gate_;
  std::optional<uint32_t> lastRead_;
};

// A clipboard that keeps changing while it is read is not chased for ever.
inline constexpr int kMaxReadingsPerNotice = 4;

}  // namespace qv
