#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <functional>

#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"
#include "sim_fixture.h"

namespace qv {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// A work folder the program stored at exit: three text slots and a picture.
struct StoredFolder : test::ModelFixture {
  std::filesystem::path work;
  std::vector<SlotFileNames> names;

  StoredFolder() {
    CopyAll({"first \"one\"", "second\r\nline"});
    clipboard.SetBitmapByOther(test::Picture(8, 6));
    Copy("third");
    EXPECT_FALSE(core->SaveWorkSlots());
    work = core->folders.WorkFolder;
    names = ReadSlotIndex(IniFile(work / kSlotIndexName).Load());
    EXPECT_EQ(names.size(), 4u);
  }
  std::filesystem::path Data(size_t slot) const { return work / names[slot - 1].data; }
  std::filesystem::path Attributes(size_t slot) const { return work / names[slot - 1].attributes; }
  void SetIndex(const std::string& section, const std::string& key, const std::string& value) {
    EXPECT_TRUE(IniFile(work / kSlotIndexName).WriteString(section, key, value));
  }
  tool::CommandResult List(bool json = false) { return Run("list", work, json); }
};

TEST(QvtoolList, OneLinePerSlotInIndexOrder) {
  StoredFolder f;
  auto result = f.List();
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "slot 1: text  T - - - - -  1/2/11  96 B  first \"one\"");
  EXPECT_EQ(lines[1], "slot 2: text  T - - - - -  2/2/10  100 B  second / line");
  EXPECT_THAT(lines[2], StartsWith("slot 3: picture  - - B - - -  -  "));
  EXPECT_EQ(lines[3], "slot 4: text  T - - - - -  1/1/5  72 B  third");

  // JSON lines: the slot number, then the attributes as qvtool info writes them.
  auto json = Lines(f.List(true).out);
  ASSERT_EQ(json.size(), 4u);
  EXPECT_THAT(json[0], StartsWith(R"({"Slot":1,"Kind":1,"HasText":true,)"));
  EXPECT_THAT(json[2], HasSubstr(R"("PictWidth":8,"PictHeight":6})"));
}

// Each kind of damage is reported on the damaged slot's line; the others stay
// listed. In the reasons, DATA1, DATA2 and SET2 stand for the stored names.
TEST(QvtoolList, DamagedEntriesAreReportedInPlace) {
  auto patch = [](const std::filesystem::path& file, size_t at, uint8_t value) {
    Bytes bytes = *ReadWholeFile(file);
    bytes[at] = value;
    WriteWholeFile(file, bytes);
  };
  const struct {
    std::function<void(StoredFolder&)> damage;
    std::string reason;
  } cases[] = {
      {[](StoredFolder& f) { std::filesystem::remove(f.Data(2)); }, "data file DATA2 missing"},
      {[](StoredFolder& f) { std::filesystem::remove(f.Attributes(2)); },
       "attribute file SET2 missing"},
      {[](StoredFolder& f) { std::filesystem::resize_file(f.Attributes(2), 100); },
       "attribute file SET2 has 100 bytes, not 258"},
      {[&](StoredFolder& f) { patch(f.Attributes(2), 1, 7); },  // a flag other than 0 or 1
       "attribute file SET2 malformed"},
      {[](StoredFolder& f) { std::filesystem::resize_file(f.Data(2), 101); },
       "data file DATA2 has 101 bytes, the attributes say 100"},
      {[&](StoredFolder& f) { patch(f.Data(2), 4, 0x12); }, "data file DATA2 invalid: version"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "data", "../x.dat"); },
       "file name \"../x.dat\" leaves the folder"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "data", f.names[0].data); },
       "data file DATA1 already belongs to slot 1"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "set", ""); },
       "slots.cfg names no attribute file for it"},
  };
  for (const auto& c : cases) {
    StoredFolder f;
    std::string reason = c.reason;
    for (auto [name, value] : {std::pair<std::string, std::string>{"DATA1", f.names[0].data},
                               {"DATA2", f.names[1].data},
                               {"SET2", f.names[1].attributes}})
      if (auto at = reason.find(name); at != std::string::npos)
        reason.replace(at, name.size(), value);
    SCOPED_TRACE(reason);
    c.damage(f);
    auto result = f.List();
    EXPECT_EQ(result.exitCode, 2);
    auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_THAT(lines[0], StartsWith("slot 1: text "));
    EXPECT_THAT(lines[1], StartsWith("slot 2: damaged: " + reason));
    EXPECT_THAT(lines[2], StartsWith("slot 3: picture "));
    EXPECT_THAT(lines[3], StartsWith("slot 4: text "));
    auto json = Lines(f.List(true).out);
    ASSERT_EQ(json.size(), 4u);
    EXPECT_THAT(json[1], StartsWith(R"({"Slot":2,"Error":")"));
    EXPECT_THAT(json[2], StartsWith(R"({"Slot":3,"Kind":2,)"));
  }
}

TEST(QvtoolList, LyingCountListsTheMissingSections) {
  StoredFolder f;
  f.SetIndex("main", "count", "6");
  auto result = f.List();
  EXPECT_EQ(result.exitCode, 2);
  auto lines = Lines(result.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_THAT(lines[3], StartsWith("slot 4: text "));
  EXPECT_EQ(lines[5], "slot 6: damaged: slots.cfg names no data file for it");
}

TEST(QvtoolList, WithoutAReadableIndexThereIsNothingToList) {
  test::SimFixture f;
  auto result = f.Run("list", f.root.path());
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, HasSubstr("no readable slots.cfg"));
  EXPECT_EQ(f.Run("list", f.root / "absent").exitCode, 1);

  struct Case {
    std::string index;
    std::string reason;
  };
  const Case cases[] = {
      {std::string("\x00\xFF\x13garbage\x01", 11), "no slot count ([main] count)"},
      {"[other]\r\ncount=3\r\n", "no slot count ([main] count)"},
      {"[main]\r\ncount=lots\r\n", "slot count \"lots\" is not a number from 0 to 65535"},
      {"[main]\r\ncount=-1\r\n", "slot count \"-1\" is not a number from 0 to 65535"},
      {"[main]\r\ncount=70000\r\n", "slot count \"70000\" is not a number from 0 to 65535"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    f.Write("slots.cfg", AsBytes(c.index));
    result = f.Run("list", f.root.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr(c.reason));
  }

  f.Write("slots.cfg", AsBytes(std::string("[main]\r\ncount=0\r\n")));
  result = f.Run("list", f.root.path());
  EXPECT_EQ(result.exitCode, 0) << "an empty folder is a valid one";
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace qv
