#pragma once
// Saving a slot's text to a file: the save dialog's setup, the name that is
// written, and the bytes written. The shell runs the dialog and writes.
#include <cstdint>
#include <string>
#include <string_view>

#include "util/file_extension.h"

#include "attributes/preview_settings.h"
#include "snapshot/clip_rec.h"
#include "util/bytes.h"

namespace qv {

struct SaveDialogSetup {
  std::string filter;            // "Caption|pattern|Caption|pattern"
  int32_t filterIndex = 1;       // 1-based, as the dialog counts
  std::string fileName;          // starts empty
  std::string defaultExtension;  // none: SaveTextName decides the extension
  // The dialog's own overwrite prompt would ask about the typed name, not the
  // one written; the shell asks about SaveTextName's result instead.
  bool overwritePrompt = false;
  bool hideReadOnly = true;
  bool enableSizing = true;
};
SaveDialogSetup SaveTextDialog(bool hasRichText);

enum class SavedText : uint8_t { kPlain, kRich };
struct SaveTextTarget {
  std::string fileName;  // what the file is created as
  SavedText content = SavedText::kPlain;
};

// The name chosen in the dialog made into the name written: a slot with rich
// text keeps ".txt" and ".rtf" and otherwise gets ".txt" (filter 1) or ".rtf"
// (any other filter) appended; a slot without rich text gets ".txt" appended
// unless the name ends in it. The content follows the final extension.
SaveTextTarget SaveTextName(std::string_view chosen, int32_t filterIndex, bool hasRichText);

// The bytes of the file, written as they are (no byte order mark). Plain: the
// slot's CF_TEXT (ANSI code page), else the plain text of its rich text, else
// its file-list text. Rich: the slot's rich-text format as stored.
Bytes SaveTextContent(const TClipRec& rec, SavedText content, const PreviewSettings& settings);

}  // namespace qv
