#pragma once
// The rich-text work of the program, done on RTF bytes instead of a hidden
// rich edit control: plain text out of a document, a document made from plain
// text in the text font, truncation, and character mapping that rewrites only
// the text so every character keeps its formatting.
//
// Characters are counted as the control counts them: UTF-16 units, and every
// line break (\par, \line, \row, \sect, \page) as the two characters CR LF.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "rtf/rtf_tokenizer.h"
#include "settings/text_font.h"

namespace qv {

// True when the bytes start (after blanks) as an RTF document: "{\rtf".
bool LooksLikeRtf(std::string_view data);

// The visible text of a document, UTF-16, lines separated by CR LF. Input
// that is not a group yields nothing; a document cut short yields what it held.
std::u16string RtfToPlainText(std::string_view rtf);

// A document holding the UTF-8 text set in the font. CR LF, lone CR and lone
// LF each become one paragraph break; non-ASCII characters are written as \uN
// with a '?' for readers without Unicode.
std::string PlainTextToRtf(std::string_view utf8, const TextFont& font);

// The data as a document: itself when LooksLikeRtf, else its bytes taken as
// ANSI plain text and set in the font (as a rich edit control loads non-RTF).
std::string EnsureRtf(std::string_view data, const TextFont& font);

// The document cut after its first maxChars visible characters, every
// formatting and table before the cut kept and the open groups closed. A line
// break that does not fit whole is dropped. Bytes after the document's final
// brace (such as a terminating NUL) are not copied.
std::string TruncateRtf(std::string_view rtf, size_t maxChars);

// Calls `map` with every visible character in document order (a line break as
// '\r' then '\n') and re-emits the document with each character replaced by
// what `map` returns. Control words, groups and hidden destinations are copied
// unchanged; line breaks and tabs stay as they are whatever `map` returns.
using RtfCharMap = std::function<char16_t(char16_t)>;
std::string MapRtfText(std::string_view rtf, const RtfCharMap& map);

// Re-emitting documents piece by piece. A token as it was, except where that
// would spoil what follows: a \binN claiming more bytes than the input held
// gets the true count, and a lone backslash at the end is dropped.
void AppendRtfToken(std::string& out, const RtfToken& token);
// One character of text, escaped as RTF needs it; beyond ASCII as \uN with
// `fallbacks` question marks (the current \ucN).
void AppendRtfChar(std::string& out, char16_t c, uint32_t fallbacks);

}  // namespace qv
