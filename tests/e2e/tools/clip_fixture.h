#pragma once
// What qv_clipwriter puts on the clipboard, shared by the writer and the tests
// that check it, so both sides use one definition of every byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codecs/bitmap32.h"
#include "util/bytes.h"
#include "util/le_io.h"

namespace qv::e2e::fixture {

inline constexpr std::string_view kAnsiText = "Hello, clipboard";
inline constexpr std::u16string_view kUnicodeText = u"Grüße – Привет – 日本語 – 😀";
inline constexpr std::u16string_view kPrivateFormatName = u"Quorvane Test Binary";
inline constexpr size_t kPrivateSize = 300;
inline constexpr int kDibWidth = 7;  // 21 bytes a row: every row carries padding
inline constexpr int kDibHeight = 5;
inline const std::vector<std::u16string> kFileNames = {u"C:\\Quorvane Test\\first file.txt",
                                                       u"C:\\Quorvane Test\\zweite Datei ä.txt"};

// The writer stops when this event is signalled (or on WM_CLOSE).
inline constexpr wchar_t kQuitEventName[] = L"QvClipWriterQuit";
inline constexpr wchar_t kWindowClass[] = L"QvClipWriterWindow";

// CF_TEXT: the characters and their terminating NUL.
inline Bytes AnsiTextBytes() {
  Bytes out(kAnsiText.begin(), kAnsiText.end());
  out.push_back(0);
  return out;
}

// CF_UNICODETEXT: UTF-16LE with the terminating NUL.
inline Bytes UnicodeTextBytes() {
  Bytes out;
  for (char16_t c : kUnicodeText) PutU16(out, c);
  PutU16(out, 0);
  return out;
}

// The private format: 0, 1, ..., 255, 0, 1, ... (zeros inside the data).
inline Bytes PrivateBytes() {
  Bytes out(kPrivateSize);
  for (size_t i = 0; i < out.size(); ++i) out[i] = static_cast<uint8_t>(i);
  return out;
}

// A different colour for every pixel, with every channel in use.
inline uint32_t PixelColour(int x, int y) {
  return (static_cast<uint32_t>(30 * x + 10) << 16) | (static_cast<uint32_t>(40 * y + 20) << 8) |
         static_cast<uint32_t>(255 - 11 * x - 17 * y);
}

inline Bitmap32 ExpectedPixels() {
  Bitmap32 out;
  out.width = kDibWidth;
  out.height = kDibHeight;
  for (int y = 0; y < kDibHeight; ++y)
    for (int x = 0; x < kDibWidth; ++x) out.pixels.push_back(PixelColour(x, y));
  return out;
}

// CF_DIB: a 40-byte info header and 24-bit rows, bottom row first.
inline Bytes DibBytes() {
  const uint32_t stride = (kDibWidth * 3 + 3) / 4 * 4;
  Bytes out;
  PutU32(out, 40);
  PutU32(out, kDibWidth);
  PutU32(out, kDibHeight);
  PutU16(out, 1);
  PutU16(out, 24);
  PutU32(out, 0);  // uncompressed
  PutU32(out, stride * kDibHeight);
  PutU32(out, 3780);
  PutU32(out, 3780);
  PutU32(out, 0);
  PutU32(out, 0);
  for (int y = kDibHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kDibWidth; ++x) {
      uint32_t c = PixelColour(x, y);
      PutU8(out, static_cast<uint8_t>(c));
      PutU8(out, static_cast<uint8_t>(c >> 8));
      PutU8(out, static_cast<uint8_t>(c >> 16));
    }
    for (uint32_t pad = kDibWidth * 3; pad < stride; ++pad) PutU8(out, 0);
  }
  return out;
}

// CF_HDROP: a DROPFILES header (names at offset 20, wide) and the names, each
// NUL-terminated, with one more NUL at the end.
inline Bytes DropFilesBytes() {
  Bytes out;
  PutU32(out, 20);  // offset of the names
  PutU32(out, 0);   // drop point
  PutU32(out, 0);
  PutU32(out, 0);  // not in the non-client area
  PutU32(out, 1);  // wide names
  for (const std::u16string& name : kFileNames) {
    for (char16_t c : name) PutU16(out, c);
    PutU16(out, 0);
  }
  PutU16(out, 0);
  return out;
}

}  // namespace qv::e2e::fixture
