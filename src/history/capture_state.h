#pragma once
// What the program knows about the clipboard changes it has seen: whether it
// listens at all, which change the slot list already reflects, and which
// change it made itself and so plays no copy sound.
#include <cstdint>
#include <optional>

namespace qv {

class Clipboard;
class SystemServices;

class CaptureState {
 public:
  explicit CaptureState(Clipboard& clipboard) : clipboard_(clipboard) {}

  // While set, change notices are dropped (the program writes the clipboard,
  // starts or shuts down).
  bool IgnoreClipboardChange = false;
  // While set, captures play no copy sound.
  bool SuppressCopySound = false;

  // The current clipboard state is already in the list: repeated notices of
  // one change capture it once.
  bool Handled() const;
  void MarkHandled();
  void MarkHandled(uint32_t sequence);
  // The change the program just wrote plays no copy sound even when its
  // notice arrives after the write returned (some systems post it).
  void MarkSilent();
  bool Silent(uint32_t sequence) const;

 private:
  Clipboard& clipboard_;
  std::optional<uint32_t> handledSequence_;
  std::optional<uint32_t> silentSequence_;
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
};

}  // namespace qv
