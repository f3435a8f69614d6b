#include "platform/win32/clipboard_win32.h"

#include <cstring>

#include "platform/win32/handles_win32.h"
#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

// A locked clipboard block. The clipboard keeps owning the memory; this only
// holds the lock.
class Win32Block : public ClipboardBlock {
 public:
  Win32Block(HGLOBAL memory, size_t size) : lock_(memory), size_(size) {}
  bool Locked() const { return lock_.Data() != nullptr; }
  ByteView View() const override {
    return ByteView(static_cast<const uint8_t*>(lock_.Data()), size_);
  }

 private:
  GlobalLockGuard lock_;
  size_t size_;
};

// GetClipboardFormatNameW writes at most this many characters, terminator included.
constexpr int kNameBuffer = 60;

}  // namespace

bool IsGdiHandleFormat(uint32_t id) {
  switch (id) {
    case CF_BITMAP:
    case CF_PALETTE:
    case CF_ENHMETAFILE:
    case CF_DSPBITMAP:
    case CF_DSPENHMETAFILE:
    case CF_OWNERDISPLAY:
      return true;
    default:
      return id >= CF_GDIOBJFIRST && id <= CF_GDIOBJLAST;
  }
}

bool Win32Clipboard::Open(bool withOwner) {
  return OpenClipboard(withOwner ? owner_ : nullptr) != FALSE;
}

void Win32Clipboard::Close() {
  CloseClipboard();
}

bool Win32Clipboard::Empty() {
  return EmptyClipboard() != FALSE;
}

uint32_t Win32Clipboard::EnumFormats(uint32_t previous) {
  return EnumClipboardFormats(previous);
}

std::optional<std::string> Win32Clipboard::RegisteredName(uint32_t id) {
  wchar_t name[kNameBuffer];
  int length = GetClipboardFormatNameW(id, name, kNameBuffer);
  if (length <= 0) return std::nullopt;
  if (length >= kNameBuffer) length = kNameBuffer - 1;
  return Utf16ToUtf8(FromWide(name, static_cast<size_t>(length)));
}

uint32_t Win32Clipboard::RegisterFormat(const std::string& name) {
  return RegisterClipboardFormatW(AsWide(Utf8ToUtf16(name)));
}

std::unique_ptr<ClipboardBlock> Win32Clipboard::LockFormat(uint32_t id) {
  if (IsGdiHandleFormat(id)) return nullptr;
  HANDLE handle = GetClipboardData(id);
  if (!handle) return nullptr;
  SIZE_T size = GlobalSize(handle);
  if (size == 0) return nullptr;
  auto block = std::make_unique<Win32Block>(handle, size);
  if (!block->Locked()) return nullptr;
  return block;
}

bool Win32Clipboard::SetFormat(uint32_t id, ByteView bytes) {
  if (bytes.empty()) return false;
  constexpr UINT kFlags = GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT;
  GlobalMemory memory(GlobalAlloc(kFlags, bytes.size()));
  if (!memory) return false;
  {
    GlobalLockGuard lock(memory.Get());
    if (!lock.Data()) return false;
    std::memcpy(lock.Data(), bytes.data(), bytes.size());
  }
  if (!SetClipboardData(id, memory.Get())) return false;
  memory.Release();  // the clipboard owns it now
  return true;
}

uint32_t Win32Clipboard::SequenceNumber() {
  return GetClipboardSequenceNumber();
}

}  // namespace qv::win32
