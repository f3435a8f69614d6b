#pragma once
// The text conversion commands: Slot 0's text with its letter case changed,
// as a snapshot stream for the clipboard. Rich text keeps the formatting of
// every character; only its text runs are rewritten.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text_case.h"
#include "snapshot/clip_rec.h"
#include "text_ops/case_rules.h"
#include "text_ops/text_output.h"
#include "util/bytes.h"

namespace qv {

// The document with every visible character converted in text order (line
// breaks count as CR LF and move the state on, but stay breaks). Malformed
// input gives what the text engine reads of it, with open groups closed.
std::string ConvertRichText(std::string_view rtf, TextMode mode, const TextCase& cases,
                            uint32_t seed = 0);
std::u16string ConvertPlainText(std::u16string_view text, TextMode mode, const TextCase& cases,
                                uint32_t seed = 0);

// Slot 0's text converted. A slot with rich text gives the converted document
// under settings.richFormat followed by its plain text; a slot with plain text
// only gives plain text (CF_UNICODETEXT, CF_TEXT). nullopt when the slot holds
// no text or the text is empty: the clipboard is then left alone. `seed`
// starts the random mode's generator (the shell passes a performance-counter
// reading).
std::optional<Bytes> TextConversion(const TClipRec& slot0, TextMode mode, const TextCase& cases,
                                    const TextOpsSettings& settings, uint32_t seed = 0);

}  // namespace qv
