#pragma once
// Format names for a stream read outside the session that captured it. A
// registered id (0xC000 and up) means something only to the session that
// registered it, so its name is asked of the running system when there is
// one, and otherwise recognised from the record's content.
//
#include <map>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "snapshot/format_names.h"
#include "snapshot/slot_stream.h"

namespace qv::tool {

inline constexpr uint32_t kFirstRegisteredFormat = 0xC000;

class FormatNamer {
 public:
  // `system` (may be null) names registered ids first; the records name the
  // rest by content.
  FormatNamer(const std::vector<FormatRecord>& records, Clipboard* system);

  std::optional<std::string> RegisteredName(uint32_t id);
  // The name the program would show: as GetFormatName names it in a session.
  std::string Name(uint32_t id) { return FormatNameOf(id, RegisteredName(id)); }

 private:
  Clipboard* system_;
  std::map<uint32_t, std::string> byContent_;
};

}  // namespace qv::tool
