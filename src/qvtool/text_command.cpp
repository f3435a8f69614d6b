// text: the slot as the program saves it as a plain text file.
#include <algorithm>

#include "snapshot/clipboard_io.h"
#include "rtf/rich_text.h"
#include "platform/clipboard.h"
#include "qvtool/commands.h"
#include "qvtool/slot_record.h"
#include "util/codepage.h"

namespace qv::tool {
namespace {

bool HasRecord(const SlotStreamView& view, uint32_t id) {
  return std::any_of(view.records.begin(), view.records.end(),
                     [id](const FormatRecord& r) { return r.id == id; });
}

// Plain text first (it loses nothing), then the text of the rich text, then
// the file names; nullopt when the slot holds none of them.
std::optional<std::string> SlotText(const TClipRec& rec) {
  const Bytes& stream = *rec.Data;
  const SlotStreamView view = *ParseSlotStream(stream);
  if (HasRecord(view, CF_UNICODETEXT) || HasRecord(view, CF_TEXT))
    return ReadFormatTextUtf8(stream, CF_TEXT);
  if (rec.HasRichText && HasRecord(view, rec.RichFormat))
    return Utf16ToUtf8(RtfToPlainText(ReadFormatText(stream, rec.RichFormat)));
  if (rec.HasFiles) {
    std::string text;
    for (const std::string& name : ReadFileList(stream)) {
      if (!text.empty()) text += "\r\n";
      text += name;
    }
    return text;
  }
  return std::nullopt;
}

}  // namespace

CommandResult TextCommand(const std::filesystem::path& file, ToolPlatform& platform) {
  CommandResult failure;
  auto stream = ReadValidSlotFile(file, failure);
  if (!stream) return failure;
  const TClipRec rec = DeriveRecord(std::move(*stream), platform);
  if (auto text = SlotText(rec)) return {kExitOk, std::move(*text), ""};
  return Failure(file, "no text: the slot (" + KindName(rec.Kind) +
                           ") holds no plain text, rich text or file list");
}

}  // namespace qv::tool
