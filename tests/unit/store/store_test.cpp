#include <gtest/gtest.h>

#include <fstream>

#include "snapshot/clip_rec.h"
#include "store/folders.h"
#include "store/slot_attributes.h"
#include "store/slot_folder.h"
#include "test_support.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

TEST(Folders, CreatedWhereFilesWereAndNamesOfSlotFiles) {
  test::TempFolder root;
  AppFolders f = MakeAppFolders(root.path());
  std::ofstream(f.DataFolder) << "the user's";
  EnsureAppFolders(f);
  EXPECT_TRUE(fs::is_regular_file(f.DataFolder)) << "only work and sets replace a file";
  fs::remove(f.DataFolder);
  fs::create_directories(f.DataFolder);
  std::ofstream(f.WorkFolder) << "a file";
  EnsureAppFolders(f);
  std::ofstream(f.WorkFolder / "keep.dat") << "x";
  EnsureAppFolders(f);
  EXPECT_TRUE(fs::exists(f.WorkFolder / "keep.dat") && fs::is_directory(f.SetsFolder));
  // Known version, major, minor, NT platform: 95, 98 and Me; NT 4, XP, unknown.
  EXPECT_TRUE(IsWin9xFamily(true, 4, 0, false) && IsWin9xFamily(true, 4, 10, false) &&
              IsWin9xFamily(true, 4, 90, false));
  EXPECT_FALSE(IsWin9xFamily(true, 4, 0, true) || IsWin9xFamily(true, 5, 1, true) ||
               IsWin9xFamily(false, 4, 10, false));
  // Slot files are one to six digits and ".dat"; index names stay in the folder.
  for (const char* name : {"1.dat", "123456.dat"}) EXPECT_TRUE(IsSlotFileName(name)) << name;
  for (const char* name : {"1234567.dat", ".dat", "12a4.dat", "1234.txt", "1234.DAT"})
    EXPECT_FALSE(IsSlotFileName(name)) << name;
  for (const char* name : {"", ".", "..", "a/b", "..\\b", "c:b"})
    EXPECT_FALSE(SlotFilePath("folder", name)) << name;
  EXPECT_EQ(SlotFilePath("folder", "a.dat"), fs::path("folder") / "a.dat");
}

TEST(SlotFolder, SlotIndex) {
  EXPECT_EQ(MakeSlotIndex({{"1.dat", "2.dat"}}).Text(),
            "[main]\r\ncount=1\r\n[slot1]\r\ndata=1.dat\r\nset=2.dat\r\n");
  const std::pair<std::string, std::string> cases[] = {
      {"[main]\ncount=2\n[slot2]\ndata=b\nset=B\n[slot1]\ndata=a\nset=A\n", "a/A b/B "},
      {"[Main]\nCount=1\n[SLOT1]\nDATA=a\nSet=A\ndata=x\n[slot1]\nset=y\n", "a/A "},
      {"[main]\ncount=1\n[slot01]\ndata=a\n", "a/ "},
      {"[main]\ncount=2\n[slot0]\ndata=z\n[slot3]\ndata=z\n[slotx]\ndata=z\n[slot]\ndata=z\n"
       "[slot1x]\ndata=z\n[slot4294967297]\ndata=z\n[slot2]\nother=z\n",
       "/ / "},
      {"[main]\ncount=65538\n[slot2]\ndata=b\n", "/ b/ "},  // the count is 16-bit
      {"[main]\ncount=x\n[slot1]\ndata=a\n", ""},
      {"", ""},
      {"[main]\ncount=1\n[slot1]\ndata=" + std::string(3000, 'n'), std::string(2047, 'n') + "/ "},
  };
  for (const auto& [index, names] : cases) {
    std::string read;
    for (const auto& slot : ReadSlotIndex(IniDocument::Parse(index)))
      read += slot.data + "/" + slot.attributes + " ";
    EXPECT_EQ(read, names) << index;
  }
}

TClipRec Sample() {
  TClipRec r;
  r.Kind = kKindTextAndPicture;
  r.HasText = r.HasBitmap = r.HasSound = true;
  r.Preview = "first line\r\nsecond";
  r.LineCount = 0x01020304;
  r.WordCount = 7;
  r.CharCount = 12345;
  r.LineCountText = "16m";
  r.WordCountText = "7";
  r.CharCountText = "12k";
  r.RichFormat = 0xC0DE;
  r.Size = 0xAABBCCDD;
  r.SizeText = "12345678901234";  // cut to its capacity of 10
  r.PictWidth = 640;
  r.PictHeight = 0xFFFF;
  return r;
}

TEST(SlotAttributes, FieldsSitAtTheirOffsetsAndReadBack) {
  const Bytes b = WriteSlotAttributes(Sample());
  ASSERT_EQ(b.size(), 258u);
  auto text = [&](size_t at) { return std::string(&b[at + 1], &b[at + 1] + b[at]); };
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 7), (Bytes{kKindTextAndPicture, 1, 0, 1, 0, 0, 1}));
  EXPECT_EQ(text(7), "first line\r\nsecond");
  EXPECT_EQ(b[8 + 18], 0) << "unused capacity is written as zero";
  EXPECT_EQ(text(220) + text(225) + text(230) + text(243), "16m712k1234567890");
  EXPECT_EQ(
      (std::vector<uint32_t>{LoadU32(&b[208]), LoadU32(&b[212]), LoadU32(&b[216]), LoadU32(&b[235]),
                             LoadU32(&b[239]), LoadU16(&b[254]), LoadU16(&b[256])}),
      (std::vector<uint32_t>{0x01020304, 7, 12345, 0xC0DE, 0xAABBCCDD, 640, 0xFFFF}));
  // Read back: only the counted characters of a string.
  Bytes garbage = b;
  garbage[8 + 18] = 'Z';
  TClipRec out;
  ASSERT_TRUE(ReadSlotAttributes(garbage, out));
  EXPECT_EQ(WriteSlotAttributes(out), b);
  TClipRec full;
  full.Preview = std::string(300, 'p');  // cut to its capacity of 200
  ASSERT_TRUE(ReadSlotAttributes(WriteSlotAttributes(full), out));
  EXPECT_EQ(out.Preview, std::string(200, 'p'));
}

TEST(SlotAttributes, RefusesMalformedFilesAndLeavesTheRecord) {
  const Bytes good = WriteSlotAttributes(Sample());
  const std::pair<const char*, Bytes> cases[] = {
      {"truncated", Bytes(good.begin(), good.end() - 1)},
      {"empty", {}},
      {"preview length above its capacity", test::Patched(good, 7, 201)},
      {"count text length above its capacity", test::Patched(good, 220, 5)},
      {"kind 6", test::Patched(good, 0, 6)},
      {"a flag of 2", test::Patched(good, 3, 2)},
  };
  for (const auto& [name, bytes] : cases) {
    TClipRec out;
    out.Kind = kKindOther;
    const Bytes before = WriteSlotAttributes(out);
    EXPECT_FALSE(ReadSlotAttributes(bytes, out)) << name;
    EXPECT_EQ(WriteSlotAttributes(out), before) << name << ": left as it was";
  }
}

}  // namespace
}  // namespace qv
