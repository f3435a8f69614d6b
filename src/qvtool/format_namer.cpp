#include "qvtool/format_namer.h"

#include <string_view>

#include "rtf/rich_text.h"

namespace qv::tool {

FormatNamer::FormatNamer(const std::vector<FormatRecord>& records, Clipboard* system)
    : system_(system) {
  for (const FormatRecord& rec : records) {
    if (rec.id < kFirstRegisteredFormat || byContent_.contains(rec.id)) continue;
    std::string_view data(reinterpret_cast<const char*>(rec.data.data()), rec.data.size());
    if (LooksLikeRtf(data)) byContent_.emplace(rec.id, "Rich Text Format");
  }
}

std::optional<std::string> FormatNamer::RegisteredName(uint32_t id) {
  if (id < kFirstRegisteredFormat) return std::nullopt;
  if (system_) {
    if (auto name = system_->RegisteredName(id); name && !name->empty()) return name;
  }
  if (auto it = byContent_.find(id); it != byContent_.end()) return it->second;
  return std::nullopt;
}

}  // namespace qv::tool
