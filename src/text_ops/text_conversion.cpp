#include "text_ops/text_conversion.h"

#include "rtf/rich_text.h"
#include "snapshot/snapshot_view.h"

namespace qv {

std::string ConvertRichText(std::string_view rtf, TextMode mode, const TextCase& cases,
                            uint32_t seed) {
  CaseConverter convert(mode, cases, seed);
  return MapRtfText(rtf, [&convert](char16_t c) { return convert(c); });
}

std::u16string ConvertPlainText(std::u16string_view text, TextMode mode, const TextCase& cases,
                                uint32_t seed) {
  CaseConverter convert(mode, cases, seed);
  std::u16string out(text);
  for (char16_t& c : out) c = convert(c);
  return out;
}

std::optional<Bytes> TextConversion(const TClipRec& slot0, TextMode mode, const TextCase& cases,
                                    const TextOpsSettings& settings, uint32_t seed) {
  if (!slot0.HasTextFlag()) return std::nullopt;
  SnapshotView snapshot(slot0);
  const SlotStreamView& view = snapshot.Parsed();
  if (slot0.HasRichText) {
    std::string rtf =
        ConvertRichText(SlotRichText(slot0, view, settings.previews), mode, cases, seed);
    std::u16string text = RtfToPlainText(rtf);
    if (text.empty()) return std::nullopt;
    return TextSnapshot(rtf, text, settings.richFormat);
  }
  std::u16string text = SlotPlainText(slot0, view, settings.previews);
  if (text.empty()) return std::nullopt;
  return TextSnapshot(std::nullopt, ConvertPlainText(text, mode, cases, seed), settings.richFormat);
}

}  // namespace qv
