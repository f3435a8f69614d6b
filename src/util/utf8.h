#pragma once
// The program's one UTF-8 decoder, so every reader agrees on what a character is.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct Utf8Char {
  char32_t cp = 0xFFFD;
  uint8_t length = 1;  // bytes taken; 1 for a malformed sequence
  bool valid = false;
};

// The character at text[i] (i < text.size()). A malformed sequence (a stray
// continuation or bad lead byte, a missing continuation, an overlong form, a
// surrogate, a value past U+10FFFF) is U+FFFD taking its first byte only.
inline Utf8Char DecodeUtf8(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
  const uint8_t lead = byte(i);
  if (lead < 0x80) return {lead, 1, true};
  uint8_t length;
  char32_t min;
  char32_t cp;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000, cp = lead & 0x07;
  } else {
    return {};
  }
  if (text.size() - i < length) return {};
  for (size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
  return {cp, length, true};
}

// Appends the UTF-8 form of a code point (at most U+10FFFF).
inline void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace qv
