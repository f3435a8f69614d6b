#pragma once
// Shared helpers for the unit tests: one builder for each kind of test data
// (clipboard text, file lists, pictures, slot streams) and a temporary folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "codecs/bitmap32.h"
#include "snapshot/slot_stream.h"
#include "util/bytes.h"

namespace qv::test {

// CF_TEXT: the characters and a NUL.
Bytes Ansi(const std::string& s);
// RTF groups open and close in order and every one opened is closed.
bool BalancedGroups(std::string_view rtf);
// CF_UNICODETEXT: UTF-16LE and a NUL.
Bytes Wide(std::u16string_view s);

// CF_HDROP: the DROPFILES header (names at offset 20), the names, each
// NUL-terminated, and one more NUL. Wide names are given in UTF-8; ANSI names
// are written byte for byte.
Bytes DropList(const std::vector<std::string>& names, bool wide = true);
// The 20-byte DROPFILES header alone.
Bytes DropHeader(bool wide);

// A picture whose pixels differ from each other and from another seed's.
Bitmap32 Picture(int width, int height, uint32_t seed = 0);
// The picture as CF_DIB holds it: a BMP file image without the file header.
Bytes Dib(const Bitmap32& picture, uint16_t bitCount = 24);
// Overwrites a little-endian field of test data (bounds-checked, out of line,
// so optimising compilers see no store past a copied buffer).
void PatchU32(Bytes& bytes, size_t at, uint32_t value);

// A slot data stream: the records, then the picture bytes given, with the
// header flags set for them.
struct Record {
  uint32_t id;
  Bytes data;
};
Bytes Stream(const std::vector<Record>& records, ByteView bitmap = {}, ByteView metafile = {});
// The stream with its header rewritten by `edit`; `fixCheck` recomputes the
// check value afterwards, so only the edited field is wrong.
template <typename Edit>
Bytes WithHeader(Bytes stream, Edit edit, bool fixCheck = true) {
  SlotHeader header = *ReadSlotHeader(stream);
  edit(header);
  if (fixCheck)
    header.checkValue =
        CheckValue(header.recordCount, header.hasBitmap != 0, header.hasMetafile != 0);
  WriteSlotHeader(stream.data(), header);
  return stream;
}

// A fresh folder under the system temp folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  size_t FileCount() const;

 private:
  std::filesystem::path path_;
};

// The bytes with a little-endian field overwritten (PatchU32 on a copy).
Bytes Patched(Bytes bytes, size_t at, uint32_t value);

// A BMP file image of any uncompressed depth, built field by field: a 40-byte
// header (72 dpi across, 96 down), the masks, the colour table, and one value
// (palette index or packed pixel) per pixel, top row first, stored bottom-up
// unless the height is negative.
Bytes BmpOf(int32_t width, int32_t height, uint16_t bits, const std::vector<uint32_t>& palette,
            const std::vector<uint32_t>& values, uint32_t compression = 0,
            const std::vector<uint32_t>& masks = {});

}  // namespace qv::test
