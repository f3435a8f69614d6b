#include "util/codepage.h"

#include <array>

#include "util/le_io.h"
#include "util/utf8.h"

namespace qv {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to themselves as
// the system's best-fit table does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Cp1252FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    char mapped = '?';
    for (size_t k = 0; k < kCp1252High.size(); ++k) {
      if (kCp1252High[k] == c) {
        mapped = static_cast<char>(0x80 + k);
        break;
      }
    }
    // A surrogate pair is one character: one replacement for both halves.
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      ++i;
    out.push_back(mapped);
  }
  return out;
}

std::u16string Cp1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    auto b = static_cast<uint8_t>(ch);
    out.push_back(Cp1252Char(b));
  }
  return out;
}

AnsiCodePage g_ansi{Cp1252FromUtf16, Cp1252ToUtf16};

}  // namespace

char16_t Cp1252Char(uint8_t byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : static_cast<char16_t>(byte);
}

void InstallAnsiCodePage(const AnsiCodePage& codePage) {
  g_ansi.fromUtf16 = codePage.fromUtf16 ? codePage.fromUtf16 : Cp1252FromUtf16;
  g_ansi.toUtf16 = codePage.toUtf16 ? codePage.toUtf16 : Cp1252ToUtf16;
}

namespace {

// UTF-16 units to UTF-8, written through a pointer into a buffer of the
// largest possible size, then cut: this runs over every captured text. A lone
// surrogate becomes U+FFFD.
template <class UnitAt>
std::string EncodeUtf8(size_t units, UnitAt unitAt) {
  std::string out(units * 3, '\0');
  char* p = out.data();
  for (size_t i = 0; i < units; ++i) {
    uint32_t cp = unitAt(i);
    if (cp < 0x80) {
      *p++ = static_cast<char>(cp);
      continue;
    }
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units) {
      const uint32_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
    if (cp < 0x800) {
      *p++ = static_cast<char>(0xC0 | (cp >> 6));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      *p++ = static_cast<char>(0xE0 | (cp >> 12));
      *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {  // two UTF-16 units became four bytes: still within 3 per unit
      *p++ = static_cast<char>(0xF0 | (cp >> 18));
      *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      *p++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  out.resize(static_cast<size_t>(p - out.data()));
  return out;
}

// The number of UTF-16 units before the first NUL unit (or the end).
size_t UnitsBeforeNul(ByteView bytes) {
  size_t units = 0;
  const size_t available = bytes.size() / 2;
  while (units < available && (bytes[2 * units] | bytes[2 * units + 1]) != 0) ++units;
  return units;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  return EncodeUtf8(text.size(), [text](size_t i) { return text[i]; });
}

std::string Utf8FromUtf16Bytes(ByteView bytes) {
  return EncodeUtf8(UnitsBeforeNul(bytes), [bytes](size_t i) { return LoadU16(&bytes[2 * i]); });
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const Utf8Char c = DecodeUtf8(text, i);
    i += c.length;
    if (c.cp >= 0x10000) {
      const char32_t v = c.cp - 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(c.cp));
    }
  }
  return out;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  return g_ansi.fromUtf16(text);
}
std::u16string AnsiToUtf16(std::string_view text) {
  return g_ansi.toUtf16(text);
}
std::string AnsiToUtf8(std::string_view text) {
  return Utf16ToUtf8(AnsiToUtf16(text));
}
std::string Utf8ToAnsi(std::string_view text) {
  return Utf16ToAnsi(Utf8ToUtf16(text));
}

std::u16string Utf16FromBytes(ByteView bytes) {
  const size_t chars = UnitsBeforeNul(bytes);
  std::u16string out(chars, u'\0');
  for (size_t i = 0; i < chars; ++i) out[i] = LoadU16(&bytes[2 * i]);
  return out;
}

std::string CharsFromBytes(ByteView bytes) {
  size_t n = 0;
  while (n < bytes.size() && bytes[n] != 0) ++n;
  return std::string(reinterpret_cast<const char*>(bytes.data()), n);
}

std::optional<std::string> Utf16ToAnsiExactly(std::u16string_view text) {
  std::string ansi = Utf16ToAnsi(text);
  if (AnsiToUtf16(ansi) != text) return std::nullopt;
  return ansi;
}

}  // namespace qv
