#pragma once
// The system clipboard through the Win32 clipboard API.
#include "platform/clipboard.h"

#include <windows.h>

namespace qv::win32 {

class Win32Clipboard : public Clipboard {
 public:
  // The window that Open(true) makes the clipboard owner (the hidden main window).
  void SetOwnerWindow(HWND owner) { owner_ = owner; }

  bool Open(bool withOwner = false) override;
  void Close() override;
  bool Empty() override;
  uint32_t EnumFormats(uint32_t previous) override;
  std::optional<std::string> RegisteredName(uint32_t id) override;
  uint32_t RegisterFormat(const std::string& name) override;
  std::unique_ptr<ClipboardBlock> LockFormat(uint32_t id) override;
  bool SetFormat(uint32_t id, ByteView bytes) override;
  bool AppendBitmapImage(Bytes& out) override;
  bool AppendEnhMetafile(Bytes& out) override;
  bool SetBitmapImage(ByteView bmpFile) override;
  bool SetEnhMetafile(ByteView emfBits) override;
  uint32_t SequenceNumber() override;

 private:
  HWND owner_ = nullptr;
};

// True for the formats whose clipboard handle is a GDI object rather than a
// global-memory block; their handles must never be given to GlobalLock.
bool IsGdiHandleFormat(uint32_t id);

}  // namespace qv::win32
