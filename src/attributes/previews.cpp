// Text previews: the viewer's rich text, the preview lines and the counts.
#include "attributes/previews.h"

#include "snapshot/clipboard_io.h"
#include "rtf/rich_text.h"
#include "platform/clipboard.h"
#include "attributes/display_numbers.h"
#include "attributes/text_stats.h"
#include "snapshot/snapshot_view.h"
#include "util/codepage.h"
#include "util/utf8.h"

namespace qv {
namespace {

constexpr size_t kViewerChars = 3000;

// What the work control would hold after loading the snapshot's rich text.
std::string LoadedRichText(const TClipRec& rec, const SlotStreamView& view,
                           const PreviewSettings& settings) {
  std::string rtf = SnapshotToRichText(rec, view, settings);
  if (!LooksLikeRtf(rtf)) rtf = EnsureRtf(rtf, settings.font);
  return rtf;
}

// How many bytes of UTF-8 text fill at most maxUnits characters as the text
// control counts them: a line break (CR LF, CR or LF) counts 2, a character
// beyond the 16-bit range 2, any other 1. What does not fit whole is left out.
size_t ViewerPrefixLength(std::string_view utf8, size_t maxUnits) {
  size_t units = 0, i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const Utf8Char decoded = DecodeUtf8(utf8, i);
    size_t bytes = decoded.length;
    size_t width = decoded.cp >= 0x10000 ? 2 : 1;
    if (c == '\r' || c == '\n') {
      bytes = c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n' ? 2 : 1;
      width = 2;
    }
    if (units + width > maxUnits || i + bytes > utf8.size()) break;
    units += width;
    i += bytes;
  }
  return i;
}

}  // namespace

std::string SnapshotToRichText(const TClipRec& rec, const SlotStreamView& view,
                               const PreviewSettings& settings) {
  if (rec.HasRichText) {
    std::string rtf = ReadFormatText(view, rec.RichFormat);
    rtf.push_back('\0');
    return rtf;
  }
  std::string text = rec.HasText ? ReadFormatTextUtf8(view, CF_TEXT) : std::string{};
  if (text.empty() && rec.HasFiles) text = FileListText(view, settings);
  return PlainTextToRtf(text, settings.font);
}

std::string SnapshotToRichText(const TClipRec& rec, const PreviewSettings& settings) {
  return SnapshotToRichText(rec, SnapshotView(rec).Parsed(), settings);
}

void MakeTextView(TClipRec& rec, const PreviewSettings& settings) {
  MakeTextView(rec, SnapshotView(rec).Parsed(), settings);
}

void MakeTextView(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings) {
  std::string rtf = LoadedRichText(rec, view, settings);
  rec.TextView = std::string{};
  TextStats stats = AnalyzeText(RtfToPlainText(rtf));
  if (stats.lineCount == 0) return;
  rec.Preview = Utf16ToAnsi(stats.preview);
  rec.LineCount = stats.lineCount;
  if (stats.wordsCounted) rec.WordCount = stats.wordCount;
  rec.CharCount = stats.charCount;
  // The viewer's document is made when the viewer first shows the slot
  // (EnsureTextView): most slots are never shown, and a kept copy of their
  // text would cost memory in every one.
  rec.TextView.reset();
}

void FormatCount(TClipRec& rec) {
  rec.LineCountText = FormatCountText(rec.LineCount);
  rec.WordCountText = FormatCountText(rec.WordCount);
  rec.CharCountText = FormatCountText(rec.CharCount);
}

void MakeRichView(TClipRec& rec, const PreviewSettings& settings) {
  MakeRichView(rec, SnapshotView(rec).Parsed(), settings);
}

void EnsureTextView(TClipRec& rec, const PreviewSettings& settings) {
  if (!rec.TextView && rec.HasTextFlag()) MakeRichView(rec, settings);
}

void MakeRichView(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings) {
  if (rec.HasRichText || !rec.HasText) {
    rec.TextView = TruncateRtf(LoadedRichText(rec, view, settings), kViewerChars);
    return;
  }
  // Plain text: only the first 3000 characters reach the viewer, so only they
  // are read, converted and turned into a document.
  std::string text = ReadFormatTextUtf8(view, CF_TEXT, kViewerChars + 1);
  text.resize(ViewerPrefixLength(text, kViewerChars));
  rec.TextView = PlainTextToRtf(text, settings.font);
}

}  // namespace qv
