#pragma once
// What the program knows about the clipboard changes it has seen: whether it
// listens at all, which change the slot list already reflects, and the
// stretches in which the program writes the clipboard itself.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "history/clipboard_gate.h"

namespace qv {

class Clipboard;
class SystemServices;

class CaptureState {
 public:
  explicit CaptureState(Clipboard& clipboard)
      : clipboard_(clipboard), gate_(std::make_shared<ClipboardGate>()) {}

  // While set, change notices are dropped and readings wait in the gate (the
  // program writes the clipboard, starts or shuts down).
  bool IgnoreClipboardChange = false;
  // While set, captures play no copy sound.
  bool SuppressCopySound = false;

  // The current clipboard state is already in the list: repeated notices of
  // one change capture it once.
  bool Handled() const;
  void MarkHandled();
  void MarkHandled(uint32_t sequence);
  // A reading of the clipboard at `sequence` is not older than the list:
  // sequence numbers only grow (and wrap round).
  bool NewerThanHandled(uint32_t sequence) const;

  // Shared with the capture thread, which may outlive the window at exit.
  ClipboardGate& Gate() { return *gate_; }
  std::shared_ptr<ClipboardGate> SharedGate() const { return gate_; }

  // Set by the monitor's owner. Applies the readings queued before an own
  // write began (so the write finds the list as the clipboard was), without
  // trimming (the command's slot indices stay valid).
  std::function<void()> applyQueuedReadings;
  // Captures what a write meant to come back as a new slot put there.
  std::function<void()> captureOwnWrite;

 private:
  friend class OwnClipboardWrite;
  friend class CapturedClipboardWrite;
  // The bracket of every own write: waits for a reading in progress, takes
  // the readings before it, and afterwards tells the gate which change was ours.
  // Begin returns the sequence number the write starts from.
  uint32_t BeginOwnWrite();
  void EndOwnWrite(uint32_t sequenceBefore);

  Clipboard& clipboard_;
  std::shared_ptr<ClipboardGate> gate_;
  std::optional<uint32_t> handledSequence_;
};

// Marks a stretch in which the program writes the clipboard itself: nothing it
// writes is captured. Restores the previous flag at the end, after an optional wait.
class OwnClipboardWrite {
 public:
  OwnClipboardWrite(CaptureState& state, SystemServices& system, uint32_t waitMilliseconds = 0);
  ~OwnClipboardWrite();
  OwnClipboardWrite(const OwnClipboardWrite&) = delete;
  OwnClipboardWrite& operator=(const OwnClipboardWrite&) = delete;

 private:
  CaptureState& state_;
  SystemServices& system_;
  bool previous_;
  uint32_t wait_;
  uint32_t sequenceBefore_;
};

// Marks a write whose result is meant to come back as a new Slot 0 (copying a
// slot, pasting, text and picture operations): it is captured as soon as the
// write ends, without the copy sound unless `silent` is off.
class CapturedClipboardWrite {
 public:
  explicit CapturedClipboardWrite(CaptureState& state, bool silent = true);
  ~CapturedClipboardWrite();
  CapturedClipboardWrite(const CapturedClipboardWrite&) = delete;
  CapturedClipboardWrite& operator=(const CapturedClipboardWrite&) = delete;

 private:
  CaptureState& state_;
  bool previous_;
  uint32_t sequenceBefore_;
};

}  // namespace qv
