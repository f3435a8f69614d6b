#pragma once
// A first look at the clipboard after a change notice: can it be opened, does
// it hold anything, and did its owner ask for it to stay out of histories.
#include <cstdint>

namespace qv {

class Clipboard;
class SystemServices;

enum class ClipboardState {
  Unavailable,  // still held by another program after the retries
  Empty,
  HasData,
  Private,  // marked by its owner as not for clipboard histories or monitors
};

// Opens the clipboard, retrying briefly while another program holds it (the
// program that just wrote it usually does, for a moment).
ClipboardState ProbeClipboard(Clipboard& clipboard, SystemServices& system);

// How often and how long the probe waits for a busy clipboard.
inline constexpr int kOpenAttempts = 8;
inline constexpr uint32_t kOpenRetryMilliseconds = 25;

}  // namespace qv
