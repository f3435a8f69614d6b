#include "text_ops/save_text.h"

#include "attributes/previews.h"
#include "platform/clipboard.h"
#include "rtf/rich_text.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/snapshot_view.h"
#include "util/codepage.h"

namespace qv {

SaveDialogSetup SaveTextDialog(bool hasRichText) {
  SaveDialogSetup setup;
  setup.filter = "Plain Text (*.txt)|*.txt";
  if (hasRichText) setup.filter += "|Rich Text Format (*.rtf)|*.rtf";
  return setup;
}

SaveTextTarget SaveTextName(std::string_view chosen, int32_t filterIndex, bool hasRichText) {
  SaveTextTarget target{std::string(chosen), SavedText::kPlain};
  std::string ext = LowerExtension(chosen);
  if (hasRichText) {
    if (ext != ".rtf" && ext != ".txt") {
      ext = filterIndex == 1 ? ".txt" : ".rtf";
      target.fileName += ext;
    }
  } else if (ext != ".txt") {
    ext = ".txt";
    target.fileName += ext;
  }
  target.content = ext == ".rtf" ? SavedText::kRich : SavedText::kPlain;
  return target;
}

Bytes SaveTextContent(const TClipRec& rec, SavedText content, const PreviewSettings& settings) {
  SnapshotView snapshot(rec);
  const SlotStreamView& view = snapshot.Parsed();
  std::string bytes;
  if (content == SavedText::kRich) {
    if (rec.HasRichText) bytes = ReadFormatText(view, rec.RichFormat);
  } else if (rec.HasText) {
    bytes = ReadFormatText(view, CF_TEXT);
  } else if (rec.HasRichText) {
    bytes = Utf16ToAnsi(RtfToPlainText(ReadFormatText(view, rec.RichFormat)));
  } else if (rec.HasFiles) {
    bytes = Utf8ToAnsi(FileListText(view, settings));
  }
  return Bytes(bytes.begin(), bytes.end());
}

}  // namespace qv
