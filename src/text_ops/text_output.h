#pragma once
// What the text operations read from a slot and the snapshot stream they
// hand back for the clipboard.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "attributes/preview_settings.h"
#include "snapshot/clip_rec.h"
#include "snapshot/slot_stream.h"
#include "util/bytes.h"

namespace qv {

inline constexpr char kRichTextFormatName[] = "Rich Text Format";

struct TextOpsSettings {
  PreviewSettings previews;  // the text font plain text is set in; file-list names
  uint32_t richFormat = 0;   // the clipboard id of kRichTextFormatName in this session
};

// The slot's text as a document: its rich text, or its plain or file-list
// text set in the text font. Rich-text data that is no document is taken as
// ANSI plain text, as the rich edit control loads it.
std::string SlotRichText(const TClipRec& rec, const SlotStreamView& view,
                         const PreviewSettings& settings);
// The slot's plain text (CF_UNICODETEXT or CF_TEXT), else its file-list text.
std::u16string SlotPlainText(const TClipRec& rec, const SlotStreamView& view,
                             const PreviewSettings& settings);

// A stream of the text for the clipboard: the document under `richFormat`
// first when there is one, then CF_UNICODETEXT and CF_TEXT of `text` (the
// latter through the ANSI code page), each with its terminating NUL.
Bytes TextSnapshot(std::optional<std::string_view> rtf, std::u16string_view text,
                   uint32_t richFormat);

}  // namespace qv
