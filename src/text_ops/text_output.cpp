#include "text_ops/text_output.h"

#include "attributes/previews.h"
#include "platform/clipboard.h"
#include "rtf/rich_text.h"
#include "snapshot/clipboard_io.h"
#include "util/codepage.h"
#include "util/le_io.h"

namespace qv {

std::string SlotRichText(const TClipRec& rec, const SlotStreamView& view,
                         const PreviewSettings& settings) {
  std::string rtf = SnapshotToRichText(rec, view, settings);
  // The terminating NUL would end up inside a document cut short.
  while (!rtf.empty() && rtf.back() == '\0') rtf.pop_back();
  if (!LooksLikeRtf(rtf)) rtf = EnsureRtf(rtf, settings.font);
  return rtf;
}

std::u16string SlotPlainText(const TClipRec& rec, const SlotStreamView& view,
                             const PreviewSettings& settings) {
  std::string text = rec.HasText ? ReadFormatTextUtf8(view, CF_TEXT) : std::string{};
  if (text.empty() && rec.HasFiles) text = FileListText(view, settings);
  return Utf8ToUtf16(text);
}

Bytes TextSnapshot(std::optional<std::string_view> rtf, std::u16string_view text,
                   uint32_t richFormat) {
  Bytes stream;
  SlotStreamWriter writer(stream);
  if (rtf) {
    uint8_t* at = writer.AddRecord(richFormat, rtf->size() + 1);
    std::copy(rtf->begin(), rtf->end(), at);
    at[rtf->size()] = 0;
  }
  Bytes wide;
  wide.reserve(2 * text.size() + 2);
  for (char16_t c : text) PutU16(wide, c);
  PutU16(wide, 0);
  writer.AddRecord(CF_UNICODETEXT, wide);
  const std::string ansi = Utf16ToAnsi(text);
  writer.AddRecord(CF_TEXT,
                   ByteView(reinterpret_cast<const uint8_t*>(ansi.c_str()), ansi.size() + 1));
  writer.Finish(false, false);
  return stream;
}

}  // namespace qv
