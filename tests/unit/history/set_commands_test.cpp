#include <gtest/gtest.h>

#include "history/set_commands.h"
#include "sim_fixture.h"
#include "store/set_names.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::ModelFixture;
using List = std::vector<std::string>;

const SetStamp kStamp{"07.12.2026", SetTimeText(9, 5, 7)};

// Makes the write with the given number (1 for the first) fail; counts them all.
struct FailingWriter : FileWriter {
  int failAt = 0;
  int writes = 0;
  bool Fails() { return ++writes == failAt; }
  bool Write(const fs::path& p, ByteView b) override { return !Fails() && FileWriter::Write(p, b); }
  bool Replace(const fs::path& p, ByteView b) override {
    return !Fails() && FileWriter::Replace(p, b);
  }
  bool Copy(const fs::path& from, const fs::path& to) override {
    return !Fails() && FileWriter::Copy(from, to);
  }
  bool MakeFolder(const fs::path& p) override { return !Fails() && FileWriter::MakeFolder(p); }
};

struct Sets : ModelFixture, ::testing::Test {
  SetStore& store() { return core->sets; }
  std::optional<std::string> Save(const std::string& name,
                                  const std::vector<std::string>& comment = {}) {
    return core->setCommands.SaveSet(name, comment, kStamp);
  }
  const SetEntry& Saved(const std::string& name) {
    for (const SetEntry& e : store().SetList)
      if (e.Name == name) return e;
    ADD_FAILURE() << "no set " << name;
    return store().SetList.front();
  }
  size_t Folders() const {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(core->folders.SetsFolder)) ++n;
    return n;
  }
};

TEST_F(Sets, SaveStoresTheSlotsWithSlot0AsTheLastAndAnIndexWithNameDateTime) {
  CopyAll({"a", "b"});
  core->list.ClearSlots();  // a list of one filled Slot 0: "b"
  CopyAll({"c", "d"});
  ASSERT_EQ(Texts(), (List{"b", "c", "d"}));
  ASSERT_FALSE(Save("  week  ", {"first line", "second"}));
  const SetEntry& set = Saved("week");
  EXPECT_EQ(set.Count, 3);
  EXPECT_EQ(set.Date, "07.12.2026");
  EXPECT_EQ(set.Time, "9:5:7");
  EXPECT_EQ(set.Info, (std::vector<std::string>{"first line", "second"}));
  const std::string folderName = set.Folder.filename().string();
  EXPECT_EQ(folderName, std::to_string(std::stoul(folderName))) << "a number, no leading zeros";
  EXPECT_EQ(ReadWholeFile(set.Folder / "info")->size(), 20u) << "lines end in CR LF";

  // With Slot 0 empty, only the saved slots.
  core->list.Slots.back().ClearSnapshot();
  ASSERT_FALSE(Save("without clipboard"));
  EXPECT_EQ(Saved("without clipboard").Count, 2);
  EXPECT_FALSE(fs::exists(Saved("without clipboard").Folder / "info")) << "blank comment";
  EXPECT_FALSE(core->capture.IgnoreClipboardChange);
}

TEST_F(Sets, LoadingAppendsTrimsToTheCountAndPutsTheLastSlotOnTheClipboard) {
  for (int i = 0; i < 10; ++i) Copy("set" + std::to_string(i));
  core->list.Slots.back().ClearSnapshot();  // 9 saved slots and an empty clipboard
  Copy("set9");
  ASSERT_FALSE(Save("ten"));
  ASSERT_EQ(Saved("ten").Count, 10);
  const fs::path folder = Saved("ten").Folder;

  core->list.Reset();
  core->options.count = 15;
  for (int i = 0; i < 8; ++i) Copy("own" + std::to_string(i));
  ASSERT_EQ(core->list.Slots.size(), 8u);
  core->setCommands.LoadSet(folder);
  List expected{"own2", "own3", "own4", "own5", "own6", "own7"};
  for (int i = 0; i < 10; ++i) expected.push_back("set" + std::to_string(i));
  EXPECT_EQ(Texts(), expected) << "16 elements: the 2 oldest went";
  EXPECT_EQ(ClipboardText(), "set9");
  EXPECT_FALSE(core->capture.IgnoreClipboardChange);
  EXPECT_EQ(system.slept, 100u);

  Copy("mine");
  core->setCommands.LoadSet(folder);
  EXPECT_EQ(Texts().size(), 16u);
  EXPECT_EQ(Texts()[5], "mine") << "loading again appends the set again";
  EXPECT_EQ(Texts().back(), "set9");
  EXPECT_EQ(Texts().size(), core->list.Slots.size());
}

TEST_F(Sets, LoadingReplacesAnEmptySlot0AndSkipsDamagedSlots) {
  CopyAll({"a", "b", "c"});
  ASSERT_FALSE(Save("abc"));
  const fs::path folder = Saved("abc").Folder;
  auto names = ReadSlotIndex(IniFile(folder / kSlotIndexName).Load());
  fs::remove(folder / names[0].data);                             // missing data
  ASSERT_TRUE(WriteWholeFile(folder / names[1].attributes, {}));  // damaged attributes

  core->list.Reset();
  core->setCommands.LoadSet(folder);
  EXPECT_EQ(Texts(), (List{"c"}));
  EXPECT_EQ(ClipboardText(), "c");
  EXPECT_FALSE(core->capture.IgnoreClipboardChange);

  fs::remove(folder / names[2].data);
  core->setCommands.LoadSet(folder);
  EXPECT_EQ(Texts(), (List{"c"})) << "nothing loadable: the list stays";
}

TEST_F(Sets, LargeSlotsAreCopiedBothWaysAndTheSetNeverChanges) {
  core->clip.maxsize = 4;
  Copy("large enough for a data file");
  ASSERT_TRUE(core->list.Slots.back().OnDisk);
  ASSERT_FALSE(Save("large"));
  const fs::path folder = Saved("large").Folder;
  const auto before =
      ReadWholeFile(folder / ReadSlotIndex(IniFile(folder / kSlotIndexName).Load())[0].data);

  core->list.Reset();
  core->setCommands.LoadSet(folder);
  const TClipRec& loaded = core->list.Slots.back();
  ASSERT_TRUE(loaded.OnDisk);
  EXPECT_EQ(loaded.FileName.parent_path(), core->folders.WorkFolder);
  core->list.Reset();  // releases the loaded slot and its file
  EXPECT_EQ(ReadWholeFile(folder / ReadSlotIndex(IniFile(folder / kSlotIndexName).Load())[0].data),
            before);
}

TEST_F(Sets, NameRules) {
  Copy("x");
  ASSERT_FALSE(Save("Notes"));
  const struct {
    std::string name;
    std::string_view message;  // empty: saved
  } cases[] = {
      {std::string(255, 'n'), ""},
      {std::string(256, 'n'), "Too long name of a set!"},
      {"a\\b:c?d", ""},
      {"notes", ""},
      {"Notes", "The set with such name already exists!"},
      {"  Notes\r\n", "The set with such name already exists!"},
      {"tab\there", "The name of a set contains incorrect symbols!"},
      {"two\nlines", "The name of a set contains incorrect symbols!"},
      {"cr\rin", "The name of a set contains incorrect symbols!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Save(c.name).value_or(""), c.message);
  }
  EXPECT_EQ(store().SetList.size(), 4u);

  core->list.Reset();
  EXPECT_EQ(Save("empty").value_or(""), kNoSlotsToSaveMessage);
}

TEST_F(Sets, RenameAndCommentInTheManager) {
  Copy("x");
  ASSERT_FALSE(Save("one"));
  ASSERT_FALSE(Save("two"));
  auto index = [&](const std::string& name) {
    return static_cast<size_t>(&Saved(name) - store().SetList.data());
  };
  auto& commands = core->setCommands;
  EXPECT_EQ(commands.ApplySetChanges(index("one"), true, "two", false, {}).value_or(""),
            "The set with such name already exists!");
  EXPECT_FALSE(commands.ApplySetChanges(index("one"), true, " ONE ", true, {"said"}));
  EXPECT_FALSE(fs::exists(Saved("two").Folder / "info"));
  store().ScanSets();
  EXPECT_EQ(Saved("ONE").Info, (std::vector<std::string>{"said"}));
  EXPECT_FALSE(commands.ApplySetChanges(index("ONE"), false, "", true, {}));
  store().ScanSets();
  EXPECT_TRUE(fs::exists(Saved("ONE").Folder / "info")) << "an empty comment is still written";
  EXPECT_TRUE(Saved("ONE").Info.empty());
}

TEST_F(Sets, DeleteRemovesTheSetAndScanSkipsFoldersWithoutAnIndex) {
  Copy("x");
  ASSERT_FALSE(Save("gone", {"note"}));
  ASSERT_FALSE(Save("kept"));
  fs::create_directory(core->folders.SetsFolder / "not a set");
  const fs::path folder = Saved("gone").Folder;
  ASSERT_TRUE(WriteWholeFile(folder / "mine.txt", AsBytes("user's")));
  store().DeleteSet(Saved("gone"));
  ASSERT_EQ(store().SetList.size(), 1u);
  EXPECT_EQ(store().SetList[0].Name, "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
      << "only the user's file is left";
}

TEST_F(Sets, ASaveThatFailsAtAnyWriteLeavesNoSet) {
  core->clip.maxsize = 4;
  CopyAll({"large slot data", "b"});  // one copied data file, one written
  ASSERT_FALSE(Save("earlier"));
  const size_t foldersBefore = Folders();
  FailingWriter probe;
  SetStore counted(core->folders.SetsFolder, system, probe);
  ASSERT_FALSE(counted.SaveSet(core->list.Slots, "probe", {"comment"}, kStamp));
  const int writes = probe.writes;
  ASSERT_GE(writes, 7);  // folder, 2 x (data, attributes), info, index
  counted.DeleteSet(counted.SetList.back().Name == "probe" ? counted.SetList.back()
                                                           : counted.SetList.front());
  for (int failAt = 1; failAt <= writes; ++failAt) {
    SCOPED_TRACE(failAt);
    FailingWriter failing;
    failing.failAt = failAt;
    SetStore store(core->folders.SetsFolder, system, failing);
    auto message = store.SaveSet(core->list.Slots, "failed", {"comment"}, kStamp);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->rfind("Unable to write to ", 0), 0u);
    store.ScanSets();
    ASSERT_EQ(store.SetList.size(), 1u);
    EXPECT_EQ(store.SetList[0].Name, "earlier");
    EXPECT_EQ(Folders(), foldersBefore);
  }
}

TEST(SetFiles, InfoLinesAndTimes) {
  EXPECT_EQ(InfoLines("a\r\nb\nc\r\n"), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(InfoLines("\r\n\r\nx"), (std::vector<std::string>{"", "", "x"}));
  EXPECT_EQ(InfoText({"a", ""}), "a\r\n\r\n");
  EXPECT_FALSE(HasText({" ", "\t", ""}));
  EXPECT_TRUE(HasText({"", " x"}));
  EXPECT_EQ(SetTimeText(23, 59, 0), "23:59:0");
  EXPECT_EQ(TrimSetName("\t x y \x01"), "x y");
}

}  // namespace
}  // namespace qv
