#include "text_ops/add_text.h"

#include "rtf/rich_text.h"
#include "snapshot/snapshot_view.h"

namespace qv {

JoinSeparator SeparatorFor(int32_t value) {
  JoinSeparator s;
  if (value >= 1 && value <= 4) s.inlineText.assign(size_t{1} << (value - 1), u' ');
  if (value >= 5 && value <= 8) s.inlineText.assign(static_cast<size_t>(value - 4), u'\t');
  if (value >= 9 && value <= 12) s.paragraphs = static_cast<uint8_t>(value - 8);
  return s;
}

std::optional<Bytes> AppendText(const TClipRec& slot0, const TClipRec& added, int32_t separator,
                                const TextOpsSettings& settings) {
  if (!slot0.HasTextFlag()) return std::nullopt;
  const JoinSeparator join = SeparatorFor(separator);
  SnapshotView first(slot0);
  SnapshotView second(added);
  if (!slot0.HasRichText && !added.HasRichText) {
    return TextSnapshot(
        std::nullopt,
        JoinPlainText(SlotPlainText(slot0, first.Parsed(), settings.previews),
                      SlotPlainText(added, second.Parsed(), settings.previews), join),
        settings.richFormat);
  }
  const std::string rtf =
      JoinRichText(SlotRichText(slot0, first.Parsed(), settings.previews),
                   SlotRichText(added, second.Parsed(), settings.previews), join);
  return TextSnapshot(rtf, RtfToPlainText(rtf), settings.richFormat);
}

}  // namespace qv
