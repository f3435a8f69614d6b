// Text previews: the viewer's rich text, the preview lines and the counts.
#include "ui/previews.h"

#include "clip/clipboard_io.h"
#include "ops/rich_text.h"
#include "platform/clipboard.h"
#include "ui/display_numbers.h"
#include "ui/text_stats.h"
#include "util/codepage.h"

namespace qv {
namespace {

constexpr size_t kViewerChars = 3000;

// What the work control would hold after loading the snapshot's rich text.
std::string LoadedRichText(const TClipRec& rec, const PreviewSettings& settings) {
  std::string rtf = SnapshotToRichText(rec, settings);
  if (!LooksLikeRtf(rtf)) rtf = EnsureRtf(rtf, settings.font);
  return rtf;
}

}  // namespace

std::string SnapshotToRichText(const TClipRec& rec, const PreviewSettings& settings) {
  SnapshotBytes stream = rec.ReadSnapshot();
  if (rec.HasRichText) {
    std::string rtf = ReadFormatText(stream, rec.RichFormat);
    rtf.push_back('\0');
    return rtf;
  }
  std::string text = rec.HasText ? ReadFormatTextUtf8(stream, CF_TEXT) : std::string{};
  if (text.empty() && rec.HasFiles) text = FileListText(rec, settings);
  return PlainTextToRtf(text, settings.font);
}

void MakeTextView(TClipRec& rec, const PreviewSettings& settings) {
  std::string rtf = LoadedRichText(rec, settings);
  rec.TextView = std::string{};
  TextStats stats = AnalyzeText(RtfToPlainText(rtf));
  if (stats.lineCount == 0) return;
  rec.Preview = Utf16ToAnsi(stats.preview);
  rec.LineCount = stats.lineCount;
  if (stats.wordsCounted) rec.WordCount = stats.wordCount;
  rec.CharCount = stats.charCount;
  rec.TextView = TruncateRtf(rtf, kViewerChars);
}

void FormatCount(TClipRec& rec) {
  rec.LineCountText = FormatCountText(rec.LineCount);
  rec.WordCountText = FormatCountText(rec.WordCount);
  rec.CharCountText = FormatCountText(rec.CharCount);
}

void MakeRichView(TClipRec& rec, const PreviewSettings& settings) {
  if (rec.HasRichText || !rec.HasText) {
    rec.TextView = TruncateRtf(LoadedRichText(rec, settings), kViewerChars);
    return;
  }
  // Plain text: the viewer keeps 3000 characters, and the first 3000 code
  // points always make at least that many, so the rest need not be converted.
  std::string text = ReadFormatTextUtf8(rec.ReadSnapshot(), CF_TEXT, kViewerChars + 1);
  size_t codePoints = 0, cut = 0;
  while (cut < text.size() && codePoints < kViewerChars) {
    if ((static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80) ++codePoints;
    ++cut;
  }
  while (cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) ++cut;
  text.resize(cut);
  rec.TextView = TruncateRtf(PlainTextToRtf(text, settings.font), kViewerChars);
}

}  // namespace qv
