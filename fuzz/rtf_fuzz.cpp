// The rich text engine over any document: plain text, case conversion,
// truncation for previews, and appending one document to another.
#include <cstdint>
#include <string_view>

#include "rtf/rich_text.h"
#include "text_ops/text_join.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  qv::RtfToPlainText(rtf);
  qv::MapRtfText(rtf, [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; });
  qv::TruncateRtf(rtf, 40);
  const size_t half = size / 2;
  qv::JoinRichText(rtf.substr(0, half), rtf.substr(half), qv::JoinSeparator{});
  return 0;
}
