#pragma once
// Text encodings at the edges of the core. Inside, text is UTF-8; the clipboard
// and the fixed byte fields of the files use UTF-16 or the ANSI code page.
#include <optional>
#include <string>
#include <string_view>

#include "util/bytes.h"

namespace qv {

std::string Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// The ANSI code page. Windows-1252 unless the shell installs the system's own.
struct AnsiCodePage {
  std::string (*fromUtf16)(std::u16string_view) = nullptr;
  std::u16string (*toUtf16)(std::string_view) = nullptr;
};
void InstallAnsiCodePage(const AnsiCodePage& codePage);

// The character of one Windows-1252 byte, whatever ANSI code page is installed
// (documents may name 1252 themselves).
char16_t Cp1252Char(uint8_t byte);

std::string Utf16ToAnsi(std::u16string_view text);
// The text in the ANSI code page, or nullopt when a character has no place there.
std::optional<std::string> Utf16ToAnsiExactly(std::u16string_view text);
std::u16string AnsiToUtf16(std::string_view text);
std::string AnsiToUtf8(std::string_view text);
std::string Utf8ToAnsi(std::string_view text);

// UTF-16LE characters of a byte block, up to the first NUL character or the
// end of the block (an odd last byte is ignored).
std::u16string Utf16FromBytes(ByteView bytes);
// The same text as UTF-8 in one pass: Utf16ToUtf8(Utf16FromBytes(bytes)).
std::string Utf8FromUtf16Bytes(ByteView bytes);
// Bytes up to the first NUL or the end of the block.
std::string CharsFromBytes(ByteView bytes);

}  // namespace qv
