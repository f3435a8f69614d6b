#pragma once
// A first look at the clipboard after a change notice: can it be opened, does
// it hold anything, and did its owner ask for it to stay out of histories.
#include <cstdint>
#include <vector>

namespace qv {

class Clipboard;

enum class ClipboardState {
  Unavailable,  // still held by another program after the retries
  Empty,
  HasData,
  Private,  // marked by its owner as not for clipboard histories or monitors
};

// What the format ids of an open clipboard say: empty, private (a marker
// format its owner set), or something to capture.
ClipboardState JudgeFormats(Clipboard& clipboard, const std::vector<uint32_t>& ids);

// How often and how long a reading waits for a busy clipboard.
inline constexpr int kOpenAttempts = 8;
inline constexpr uint32_t kOpenRetryMilliseconds = 25;

}  // namespace qv
