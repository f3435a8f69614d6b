// The generated artwork under res/art/: every resource the program loads by
// name is declared in artwork.rc, its file exists with the size the program
// expects, and the colours the windows depend on are right.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "codecs/bmp.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

const fs::path kArt = fs::path(QV_SOURCE_DIR) / "res" / "art";
constexpr uint32_t kKey = 0xFF00FF;

// Name -> width and height.
const std::map<std::string, std::pair<int, int>>& ExpectedBitmaps() {
  static const auto table = [] {
    std::map<std::string, std::pair<int, int>> t;
    for (const char* n : {"TEXT-B", "TEXT-G", "RTF-E-B", "RTF-E-G", "RTF-D"}) t[n] = {9, 28};
    for (const char* n :
         {"BITMAP-E-B", "BITMAP-E-G", "BITMAP-D", "METAFILE-E-B", "METAFILE-E-G", "METAFILE-D",
          "SOUND-E-B", "SOUND-E-G", "SOUND-D", "BINARY-B", "BINARY-G", "FILES-B", "FILES-G"})
      t[n] = {9, 56};
    for (const char* n : {"GROUND-M-S", "GROUND-M-D", "GROUND-N-S", "GROUND-N-D"}) t[n] = {5, 56};
    for (char d = '0'; d <= '5'; ++d) t[std::string("MENU") + d] = {13, 54};
    t["TOOLBAR-GROUND"] = {1, 27};
    for (const char* n :
         {"GLYPH-CONFIG", "GLYPH-FAST", "GLYPH-TRANSP", "GLYPH-PREV", "GLYPH-LOAD", "GLYPH-DELALL",
          "GLYPH-NEXT", "GLYPH-MINIMIZE", "TOP-ON", "TOP-OFF", "GLYPH-EXIT"})
      t[n] = {22, 22};
    return t;
  }();
  return table;
}

Bitmap32 Load(const std::string& name) {
  auto bytes = ReadWholeFile(kArt / (name + ".bmp"));
  auto bitmap = bytes ? DecodeBmp(*bytes) : std::nullopt;
  if (!bitmap) ADD_FAILURE() << name << ".bmp missing or not a BMP";
  return bitmap.value_or(Bitmap32{});
}

TEST(Artwork, ScriptDeclaresEveryResourceWithAnExistingFileOfTheRightSize) {
  std::ifstream in(kArt / "artwork.rc");
  std::map<std::string, std::pair<std::string, std::string>> entries;  // name -> type, file
  const std::regex line(R"re(^"?([A-Z0-9-]+)"?\s+(BITMAP|ICON)\s+"([^"]+)"\s*$)re");
  for (std::string text; std::getline(in, text);) {
    std::smatch m;
    if (std::regex_match(text, m, line)) entries[m[1]] = {m[2], m[3]};
  }
  for (const auto& [name, size] : ExpectedBitmaps()) {
    EXPECT_EQ(entries[name].first, "BITMAP") << name;
    EXPECT_EQ(entries[name].second, "art/" + name + ".bmp");
    Bitmap32 b = Load(name);
    EXPECT_EQ(std::pair(b.width, b.height), size) << name;
  }
  for (const char* icon : {"1", "TRAY", "TRAY9X"}) {
    EXPECT_EQ(entries[icon].first, "ICON") << icon;
    EXPECT_TRUE(fs::exists(kArt.parent_path() / entries[icon].second)) << icon;
  }
  EXPECT_EQ(entries.size(), ExpectedBitmaps().size() + 3) << "no stray resources";
}

// Each image of an icon file: its size and bit count, checked against the image's own header.
std::vector<std::pair<int, int>> IconImages(const std::string& file) {
  auto bytes = ReadWholeFile(kArt / file);
  if (!bytes || bytes->size() < 6) return {};
  const uint8_t* p = bytes->data();
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < LoadU16(p + 4); ++i) {
    const size_t at = 6 + 16 * static_cast<size_t>(i);
    if (at + 16 > bytes->size()) return {};
    const uint32_t length = LoadU32(p + at + 8), offset = LoadU32(p + at + 12);
    if (offset + uint64_t{length} > bytes->size() || length < 40) return {};
    EXPECT_EQ(static_cast<int>(LoadU32(p + offset + 8)), 2 * p[at]) << file << ": doubled height";
    out.push_back({p[at], LoadU16(p + offset + 14)});
  }
  return out;
}

TEST(Artwork, TrayIconsHoldSixteenAndThirtyTwoPixelImages) {
  auto tray = IconImages("TRAY.ico");
  ASSERT_EQ(tray.size(), 2u);
  EXPECT_EQ(tray[0].first, 16);
  EXPECT_EQ(tray[1].first, 32);
  EXPECT_EQ(IconImages("TRAY9X.ico"), (std::vector<std::pair<int, int>>{{16, 4}, {32, 4}}))
      << "the 9x family shows 16-colour icons";
}

// The slot views and the toolbar paint their grounds row by row from the
// first column: every column of a ground is the same.
TEST(Artwork, GroundsRepeatTheirFirstColumn) {
  for (const char* name :
       {"GROUND-M-S", "GROUND-M-D", "GROUND-N-S", "GROUND-N-D", "TOOLBAR-GROUND"}) {
    Bitmap32 b = Load(name);
    ASSERT_GE(b.height, 27) << name;
    for (int y = 0; y < b.height; ++y)
      for (int x = 1; x < b.width; ++x) ASSERT_EQ(b.at(x, y), b.at(0, y)) << name << " row " << y;
  }
}

TEST(Artwork, MenuDigitsAreSixteenColourPicturesOnTheKey) {
  std::set<std::vector<uint32_t>> digits;
  for (char d = '0'; d <= '5'; ++d) {
    const std::string name = std::string("MENU") + d;
    auto layout = ParseBmpImage(*ReadWholeFile(kArt / (name + ".bmp")));
    ASSERT_TRUE(layout) << name;
    EXPECT_EQ(layout->bitCount, 4) << name;
    EXPECT_EQ(layout->paletteEntries, 16u) << name;
    Bitmap32 b = Load(name);
    EXPECT_EQ(b.at(0, 0), kKey) << name;
    digits.insert(b.pixels);
  }
  EXPECT_EQ(digits.size(), 6u) << "each digit drawn differently";
}

}  // namespace
}  // namespace qv
