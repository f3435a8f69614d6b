#pragma once
// The system clipboard as the core sees it. The calls mirror the Win32
// clipboard functions closely so that capture and restore live once, in the core.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "util/bytes.h"

namespace qv {

// Standard clipboard format ids (winuser.h values). Where <windows.h> came
// first its macros of the same names and values stand in for these.
#ifndef CF_TEXT
enum : uint32_t {
  CF_TEXT = 1,
  CF_BITMAP = 2,
  CF_METAFILEPICT = 3,
  CF_SYLK = 4,
  CF_DIF = 5,
  CF_TIFF = 6,
  CF_OEMTEXT = 7,
  CF_DIB = 8,
  CF_PALETTE = 9,
  CF_PENDATA = 10,
  CF_RIFF = 11,
  CF_WAVE = 12,
  CF_UNICODETEXT = 13,
  CF_ENHMETAFILE = 14,
  CF_HDROP = 15,
  CF_LOCALE = 16,
  CF_DIBV5 = 17,
  CF_OWNERDISPLAY = 128,
  CF_DSPTEXT = 129,
  CF_DSPBITMAP = 130,
  CF_DSPMETAFILEPICT = 131,
  CF_DSPENHMETAFILE = 142,
};
#endif

// A locked global-memory block of one format; unlocks when destroyed.
class ClipboardBlock {
 public:
  virtual ~ClipboardBlock() = default;
  virtual ByteView View() const = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // OpenClipboard. withOwner passes the program's hidden main window as owner.
  virtual bool Open(bool withOwner = false) = 0;
  virtual void Close() = 0;
  virtual bool Empty() = 0;
  // EnumClipboardFormats: the id after `previous` (0 starts), 0 at the end.
  virtual uint32_t EnumFormats(uint32_t previous) = 0;
  // GetClipboardFormatNameA into a 60-character buffer; nullopt when the id has no registered name.
  virtual std::optional<std::string> RegisteredName(uint32_t id) = 0;
  // RegisterClipboardFormatA.
  virtual uint32_t RegisterFormat(const std::string& name) = 0;
  // The format's global-memory block, locked. Null when there is no handle, the
  // block has size 0, or the lock fails. The clipboard must be open.
  virtual std::unique_ptr<ClipboardBlock> LockFormat(uint32_t id) = 0;
  // Allocates a block, copies the bytes into it and hands it to SetClipboardData.
  // The clipboard must be open and owned (emptied) by us.
  virtual bool SetFormat(uint32_t id, ByteView bytes) = 0;

  // Pictures. These open and close the clipboard themselves, as the capture
  // expects (the clipboard must be closed when they are called).
  // Appends the CF_BITMAP (with CF_PALETTE) picture as a BMP file image with a
  // 40-byte info header; false (and `out` unchanged) when there is no bitmap.
  virtual bool AppendBitmapImage(qv::Bytes& out) = 0;
  // Appends the CF_ENHMETAFILE bits; false (and `out` unchanged) when there is none.
  virtual bool AppendEnhMetafile(qv::Bytes& out) = 0;
  // These two expect the clipboard open and emptied by us, like SetFormat.
  virtual bool SetBitmapImage(ByteView bmpFile) = 0;
  virtual bool SetEnhMetafile(ByteView emfBits) = 0;

  // GetClipboardSequenceNumber: changes with every clipboard change.
  virtual uint32_t SequenceNumber() = 0;
};

}  // namespace qv
