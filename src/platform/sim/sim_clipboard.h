#pragma once
// An in-memory clipboard for tests. It reproduces the synthesis Windows performs
// that the core relies on (the text family with CF_LOCALE; CF_DIB, CF_BITMAP and
// CF_DIBV5; CF_ENHMETAFILE and CF_METAFILEPICT) and lets tests inject faults.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "codecs/bitmap32.h"
#include "platform/clipboard.h"

namespace qv {

class SimClipboard : public Clipboard {
 public:
  // Clipboard
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
  uint32_t SequenceNumber() override { return sequence_; }

  // What another application does: open, empty, set the formats, close.
  struct Item {
    uint32_t id;
    Bytes bytes;
  };
  void SetByOther(const std::vector<Item>& items);
  void SetBitmapByOther(const Bitmap32& bitmap, uint16_t bitCount = 24);  // CF_BITMAP
  void ClearByOther();

  // Called after every change, as WM_DRAWCLIPBOARD reaches a viewer: at once,
  // on the same thread, once the clipboard is closed again.
  std::function<void()> onChange;
  // Called at the start of every Open (a test can change the clipboard there,
  // as another program would between two of our opens).
  std::function<void()> beforeOpen;
  // Called at the end of every Close (another program's change right after
  // one of our reads).
  std::function<void()> afterClose;

  // Faults.
  int refuseOpens = 0;  // the next N opens fail (another process holds it)
  bool refuseAllOpens = false;
  std::set<uint32_t> unrenderable;  // formats whose owner renders nothing
  bool outOfMemory = false;         // locking a block throws std::bad_alloc

  // Inspection.
  bool IsOpen() const { return open_; }
  bool LastOpenHadOwner() const { return lastOwner_; }
  std::vector<uint32_t> Formats() const;         // enumeration order, synthesised ones included
  std::optional<Bytes> Data(uint32_t id) const;  // global-memory bytes as LockFormat gives them
  std::optional<Bitmap32> Bitmap() const;        // the GDI bitmap, decoded
  std::optional<Bytes> Metafile() const { return metafile_; }

 private:
  struct Entry {
    uint32_t id;
    Bytes bytes;
  };
  void Changed();
  std::vector<Entry> entries_;       // set by the owner, in order
  std::optional<Bytes> bitmapFile_;  // the GDI bitmap, held as a BMP file image
  std::optional<Bytes> metafile_;
  std::map<uint32_t, std::string> names_;
  uint32_t nextRegistered_ = 0xC000;
  uint32_t sequence_ = 1;
  bool open_ = false;
  bool emptiedInSession_ = false;
  bool lastOwner_ = false;
};

}  // namespace qv
