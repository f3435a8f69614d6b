#include "snapshot/clipboard_probe.h"

#include <string>

#include "platform/clipboard.h"
#include "util/le_io.h"

namespace qv {
namespace {

// Password managers mark secrets with these registered formats.
bool IsPrivacyMarker(Clipboard& clipboard, uint32_t id) {
  auto name = clipboard.RegisteredName(id);
  if (!name) return false;
  if (*name == "Clipboard Viewer Ignore" || *name == "ExcludeClipboardContentFromMonitorProcessing")
    return true;
  if (*name == "CanIncludeInClipboardHistory") {
    auto block = clipboard.LockFormat(id);
    return block && block->View().size() >= 4 && LoadU32(block->View().data()) == 0;
  }
  return false;
}

}  // namespace

ClipboardState JudgeFormats(Clipboard& clipboard, const std::vector<uint32_t>& ids) {
  for (uint32_t id : ids) {
    if (id >= 0xC000 && IsPrivacyMarker(clipboard, id)) return ClipboardState::Private;
  }
  return ids.empty() ? ClipboardState::Empty : ClipboardState::HasData;
}

}  // namespace qv
