#pragma once
// Format names for a stream read outside the session that captured it. A
// registered id (0xC000 and up) means something only to the session that
// registered it, so its name is asked of the running system when there is
// one, and otherwise recognised from the record's content.
//
// It is a Clipboard so that the classification code names formats exactly as
// it does for a live capture; everything except naming is a closed, empty
// clipboard.
#include <map>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "snapshot/slot_stream.h"

namespace qv::tool {

inline constexpr uint32_t kFirstRegisteredFormat = 0xC000;

class FormatNamer : public Clipboard {
 public:
  // `system` (may be null) names registered ids first; the records name the
  // rest by content.
  FormatNamer(const std::vector<FormatRecord>& records, Clipboard* system);

  std::optional<std::string> RegisteredName(uint32_t id) override;

  bool Open(bool) override { return false; }
  void Close() override {}
  bool Empty() override { return false; }
  uint32_t EnumFormats(uint32_t) override { return 0; }
  uint32_t RegisterFormat(const std::string&) override { return 0; }
  std::unique_ptr<ClipboardBlock> LockFormat(uint32_t) override { return nullptr; }
  bool SetFormat(uint32_t, ByteView) override { return false; }
  bool AppendBitmapImage(Bytes&) override { return false; }
  bool AppendEnhMetafile(Bytes&) override { return false; }
  bool SetBitmapImage(ByteView) override { return false; }
  bool SetEnhMetafile(ByteView) override { return false; }
  uint32_t SequenceNumber() override { return 0; }

 private:
  Clipboard* system_;
  std::map<uint32_t, std::string> byContent_;
};

}  // namespace qv::tool
