#pragma once
// Reading a language file the way its author saved it: UTF-8 (with or
// without a byte order mark) or the ANSI code page. Values come out in UTF-8.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "util/ini.h"

namespace qv {

// Larger files are no language files; they read as empty.
inline constexpr uint64_t kMaxLanguageFileBytes = 4u << 20;

// The file's text in UTF-8: the bytes themselves when they are valid UTF-8
// or start with a byte order mark (dropped; a malformed byte then reads as
// U+FFFD), otherwise the bytes read in the ANSI code page.
std::string DecodeLanguageText(std::string_view bytes);

// The decoded file; an empty document when it is missing, unreadable or too large.
IniDocument LoadLanguageFile(const std::filesystem::path& file);

// A value as the program reads it: at most kIniMaxString characters (never
// half of one), `def` when the key is missing.
std::string LanguageValue(const IniDocument& file, std::string_view section, std::string_view key,
                          std::string_view def = "");

}  // namespace qv
