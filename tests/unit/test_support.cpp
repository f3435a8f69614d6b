#include "test_support.h"

#include <atomic>
#include <chrono>
#include <system_error>

#include "codecs/bmp.h"
#include "rtf/rtf_tokenizer.h"
#include "util/codepage.h"
#include "util/le_io.h"

namespace qv::test {

Bytes Ansi(const std::string& s) {
  Bytes b(s.begin(), s.end());
  b.push_back(0);
  return b;
}

Bytes Wide(std::u16string_view s) {
  Bytes b;
  for (char16_t c : s) PutU16(b, c);
  PutU16(b, 0);
  return b;
}

Bytes DropHeader(bool wide) {
  Bytes b;
  PutU32(b, 20);  // offset of the names
  PutU32(b, 0);   // drop point
  PutU32(b, 0);
  PutU32(b, 0);  // not in the non-client area
  PutU32(b, wide ? 1 : 0);
  return b;
}

Bytes DropList(const std::vector<std::string>& names, bool wide) {
  Bytes b = DropHeader(wide);
  for (const std::string& name : names) {
    if (wide) {
      PutBytes(b, Wide(Utf8ToUtf16(name)));
    } else {
      PutBytes(b, Ansi(name));
    }
  }
  if (wide)
    PutU16(b, 0);
  else
    b.push_back(0);
  return b;
}

Bitmap32 Picture(int width, int height, uint32_t seed) {
  Bitmap32 b{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
  for (size_t i = 0; i < b.pixels.size(); ++i)
    b.pixels[i] = static_cast<uint32_t>((i + 1) * 0x030507 + seed * 0x10204) & 0xFFFFFF;
  return b;
}

Bytes Dib(const Bitmap32& picture, uint16_t bitCount) {
  Bytes file = EncodeBmp(picture, bitCount);
  return Bytes(file.begin() + 14, file.end());
}

Bytes Stream(const std::vector<Record>& records, ByteView bitmap, ByteView metafile) {
  Bytes out;
  SlotStreamWriter writer(out);
  for (const Record& r : records) writer.AddRecord(r.id, r.data);
  writer.Finish(!bitmap.empty(), !metafile.empty());
  PutBytes(out, bitmap);
  PutBytes(out, metafile);
  return out;
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("qvtest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

size_t TempFolder::FileCount() const {
  size_t n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) n += entry.is_regular_file();
  return n;
}

void PatchU32(Bytes& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

bool BalancedGroups(std::string_view rtf) {
  RtfTokenizer tokens(rtf);
  int64_t depth = 0;
  for (RtfToken t = tokens.Next(); t.kind != RtfTokenKind::kEnd; t = tokens.Next()) {
    if (t.kind == RtfTokenKind::kGroupStart) ++depth;
    if (t.kind == RtfTokenKind::kGroupEnd && --depth < 0) return false;
  }
  return depth == 0;
}

Bytes Patched(Bytes bytes, size_t at, uint32_t value) {
  PatchU32(bytes, at, value);
  return bytes;
}

Bytes BmpOf(int32_t width, int32_t height, uint16_t bits, const std::vector<uint32_t>& palette,
            const std::vector<uint32_t>& values, uint32_t compression,
            const std::vector<uint32_t>& masks) {
  const size_t rows = static_cast<size_t>(height < 0 ? -height : height);
  const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
  Bytes pixels(stride * rows, 0);
  for (size_t y = 0; y < rows; ++y) {
    uint8_t* row = &pixels[stride * (height < 0 ? y : rows - 1 - y)];
    for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
      const uint32_t v = values.at(y * static_cast<size_t>(width) + x);
      if (bits < 8)  // the first pixel in the high bits
        row[x * bits / 8] |= static_cast<uint8_t>(v << (8 - bits - x * bits % 8));
      for (size_t i = 0; bits >= 8 && i < bits / 8u; ++i)
        row[x * bits / 8 + i] = static_cast<uint8_t>(v >> (8 * i));
    }
  }
  const auto offset = static_cast<uint32_t>(54 + 4 * (masks.size() + palette.size()));
  Bytes out;
  PutU16(out, 0x4D42);
  for (uint32_t v : {offset + static_cast<uint32_t>(pixels.size()), 0u, offset, 40u,
                     static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
    PutU32(out, v);
  PutU16(out, 1);
  PutU16(out, bits);
  for (uint32_t v : {compression, static_cast<uint32_t>(pixels.size()), 2835u, 3780u,
                     static_cast<uint32_t>(palette.size()), 0u})
    PutU32(out, v);
  for (uint32_t v : masks) PutU32(out, v);
  for (uint32_t v : palette) PutU32(out, v);
  PutBytes(out, pixels);
  return out;
}

}  // namespace qv::test
