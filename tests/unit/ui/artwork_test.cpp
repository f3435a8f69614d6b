// The generated artwork under res/art/: every resource the program loads by
// name is declared in artwork.rc, its file exists with the size the program
// expects, and the colours the windows depend on are exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "codecs/bmp.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

const fs::path kArt = fs::path(QV_SOURCE_DIR) / "res" / "art";
constexpr uint32_t kKey = 0xFF00FF;

struct Size {
  int width;
  int height;
};

const std::map<std::string, Size>& ExpectedBitmaps() {
  static const std::map<std::string, Size> table = [] {
    std::map<std::string, Size> t;
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

struct RcEntry {
  std::string type;
  std::string file;
};

// name -> (type, file) from artwork.rc.
std::map<std::string, RcEntry> ReadScript() {
  std::ifstream in(kArt / "artwork.rc");
  std::map<std::string, RcEntry> entries;
  const std::regex line(R"re(^"?([A-Z0-9-]+)"?\s+(BITMAP|ICON)\s+"([^"]+)"\s*$)re");
  std::string text;
  while (std::getline(in, text)) {
    std::smatch m;
    if (std::regex_match(text, m, line)) entries[m[1]] = {m[2], m[3]};
  }
  return entries;
}

Bitmap32 Load(const std::string& name) {
  auto bytes = ReadWholeFile(kArt / (name + ".bmp"));
  if (!bytes) {
    ADD_FAILURE() << name << ".bmp missing";
    return {};
  }
  auto bitmap = DecodeBmp(*bytes);
  if (!bitmap) ADD_FAILURE() << name << ".bmp does not decode";
  return bitmap.value_or(Bitmap32{});
}

uint32_t Mix(uint32_t a, uint32_t b) {  // channel midpoint, rounded half up
  uint32_t out = 0;
  for (int shift : {0, 8, 16})
    out |= ((((a >> shift) & 255) + ((b >> shift) & 255) + 1) / 2) << shift;
  return out;
}

TEST(Artwork, ScriptDeclaresEveryResourceWithAnExistingFileOfTheRightSize) {
  const auto entries = ReadScript();
  for (const auto& [name, size] : ExpectedBitmaps()) {
    auto it = entries.find(name);
    ASSERT_NE(it, entries.end()) << name << " not in artwork.rc";
    EXPECT_EQ(it->second.type, "BITMAP") << name;
    EXPECT_EQ(it->second.file, "art/" + name + ".bmp");
    Bitmap32 b = Load(name);
    EXPECT_EQ(b.width, size.width) << name;
    EXPECT_EQ(b.height, size.height) << name;
  }
  for (const char* icon : {"1", "TRAY", "TRAY9X"}) {
    auto it = entries.find(icon);
    ASSERT_NE(it, entries.end()) << icon << " not in artwork.rc";
    EXPECT_EQ(it->second.type, "ICON");
    EXPECT_TRUE(fs::exists(kArt.parent_path() / it->second.file)) << it->second.file;
  }
  EXPECT_EQ(entries.size(), ExpectedBitmaps().size() + 3) << "no stray resources";
}

struct IconEntry {
  int size;
  int bitCount;
};

std::vector<IconEntry> IconEntries(const std::string& file) {
  auto bytes = ReadWholeFile(kArt / file);
  if (!bytes || bytes->size() < 6) return {};
  const uint8_t* p = bytes->data();
  std::vector<IconEntry> out;
  const int count = LoadU16(p + 4);
  for (int i = 0; i < count; ++i) {
    const size_t at = 6 + 16 * static_cast<size_t>(i);
    if (at + 16 > bytes->size()) return {};
    const uint32_t length = LoadU32(p + at + 8);
    const uint32_t offset = LoadU32(p + at + 12);
    if (offset + uint64_t{length} > bytes->size() || length < 40) return {};
    // The image's own header: width, doubled height, bit count.
    EXPECT_EQ(static_cast<int>(LoadU32(p + offset + 8)), 2 * p[at]) << file;
    out.push_back({p[at], LoadU16(p + offset + 14)});
  }
  return out;
}

TEST(Artwork, TrayIconsHoldSixteenAndThirtyTwoPixelImages) {
  auto tray = IconEntries("TRAY.ico");
  ASSERT_EQ(tray.size(), 2u);
  EXPECT_EQ(tray[0].size, 16);
  EXPECT_EQ(tray[1].size, 32);
  auto old = IconEntries("TRAY9X.ico");
  ASSERT_EQ(old.size(), 2u);
  EXPECT_EQ(old[0].size, 16);
  EXPECT_EQ(old[1].size, 32);
  EXPECT_EQ(old[0].bitCount, 4) << "the 9x family shows 16-colour icons";
  EXPECT_EQ(old[1].bitCount, 4);
}

TEST(Artwork, GroundsHaveTheExactRowColours) {
  struct Ground {
    const char* name;
    uint32_t top, middle, bottom;
  };
  for (const Ground& g : {Ground{"GROUND-M-S", 0xD2D2FF, 0xB4B4FF, 0xD2D1FF},
                          Ground{"GROUND-M-D", 0xE6E6FF, 0xC8C8FF, 0xE5E5FF},
                          Ground{"GROUND-N-S", 0xB4B4FF, 0xD2D2FF, 0xB5B5FF},
                          Ground{"GROUND-N-D", 0xE6E6FF, 0xFFFFFF, 0xE6E6FF}}) {
    Bitmap32 b = Load(g.name);
    ASSERT_EQ(b.height, 56) << g.name;
    EXPECT_EQ(b.at(0, 0), g.top) << g.name;
    EXPECT_EQ(b.at(0, 28), g.middle) << g.name;
    EXPECT_EQ(b.at(0, 55), g.bottom) << g.name;
    EXPECT_EQ(b.at(0, 14), Mix(g.top, g.middle)) << g.name << ": linear from top to middle";
    for (int y = 0; y < 56; ++y) {
      for (int x = 1; x < 5; ++x) ASSERT_EQ(b.at(x, y), b.at(0, y)) << g.name << " row " << y;
    }
  }
}

TEST(Artwork, ToolbarGroundRunsThroughTheMiddleAndBack) {
  Bitmap32 b = Load("TOOLBAR-GROUND");
  ASSERT_EQ(b.height, 27);
  EXPECT_EQ(b.at(0, 0), 0xE6E6FFu);
  EXPECT_EQ(b.at(0, 13), 0xC8C8FFu);
  EXPECT_EQ(b.at(0, 14), 0xC8C8FFu);
  EXPECT_EQ(b.at(0, 26), 0xE4E4FFu);
  for (int y = 1; y <= 13; ++y) EXPECT_LE(b.at(0, y) & 0xFF00, b.at(0, y - 1) & 0xFF00) << y;
  for (int y = 15; y <= 26; ++y) EXPECT_GE(b.at(0, y) & 0xFF00, b.at(0, y - 1) & 0xFF00) << y;
  EXPECT_NE(b.at(0, 7), b.at(0, 0));
}

TEST(Artwork, StripsAreLetteredInTheirColourOnWhite) {
  for (const auto& [name, size] : ExpectedBitmaps()) {
    if (size.width != 9) continue;
    const uint32_t ink = name.ends_with("-D")   ? 0x969696
                         : name.ends_with("-B") ? 0x5555FF
                                                : 0x247BDB;
    Bitmap32 b = Load(name);
    const auto inked = std::count(b.pixels.begin(), b.pixels.end(), ink);
    const auto white = std::count(b.pixels.begin(), b.pixels.end(), 0xFFFFFFu);
    EXPECT_GT(inked, 20) << name;
    EXPECT_EQ(inked + white, static_cast<long>(b.pixels.size())) << name << ": only ink and white";
  }
  EXPECT_NE(Load("RTF-E-B").pixels, Load("TEXT-B").pixels);
}

TEST(Artwork, MenuImagesAreSixteenColourDigitsOnTheKey) {
  std::set<std::vector<uint32_t>> distinct;
  for (char d = '0'; d <= '5'; ++d) {
    const std::string name = std::string("MENU") + d;
    auto bytes = ReadWholeFile(kArt / (name + ".bmp"));
    ASSERT_TRUE(bytes) << name;
    auto layout = ParseBmpImage(*bytes);
    ASSERT_TRUE(layout) << name;
    EXPECT_EQ(layout->bitCount, 4) << name;
    EXPECT_EQ(layout->paletteEntries, 16u) << name;
    Bitmap32 b = Load(name);
    EXPECT_EQ(b.at(0, 0), kKey) << name;
    distinct.insert(b.pixels);
  }
  EXPECT_EQ(distinct.size(), 6u) << "each digit drawn differently";
}

TEST(Artwork, GlyphsStandOnTheKeyColour) {
  std::set<std::vector<uint32_t>> distinct;
  for (const auto& [name, size] : ExpectedBitmaps()) {
    if (size.width != 22) continue;
    Bitmap32 b = Load(name);
    ASSERT_EQ(b.pixels.size(), 22u * 22u) << name;
    EXPECT_EQ(b.at(0, 0), kKey) << name;
    const auto keyed = std::count(b.pixels.begin(), b.pixels.end(), kKey);
    EXPECT_GT(keyed, 50) << name;
    EXPECT_LT(keyed, 22 * 22 - 30) << name << ": has a picture";
    distinct.insert(b.pixels);
  }
  EXPECT_EQ(distinct.size(), 11u);
}

}  // namespace
}  // namespace qv
