#include <gtest/gtest.h>

#include <functional>

#include "sim_fixture.h"
#include "util/file_io.h"

namespace qv {
namespace {

using test::ModelFixture;
using test::Texts;

// a, b, c, d with d as Slot 0.
struct Abcd : ModelFixture {
  Abcd() { CopyAll({"a", "b", "c", "d"}); }
  void EmptySlot0() { clipboard.ClearByOther(); }
};

TEST(SlotList, CommandsOnFourSlots) {
  struct Case {
    const char* name;
    bool emptySlot0;  // the clipboard was emptied after d
    std::function<void(AppCore&)> commands;
    Texts texts;
    std::string clipboard;  // "" when not checked
    uint64_t slept = 0;
  } cases[] = {
      {"delete", false, [](AppCore& c) { c.commands.DeleteCommand(1); }, {"a", "c", "d"}, ""},
      {"delete the newest",
       false,
       [](AppCore& c) { c.commands.DeleteCommand(2); },
       {"a", "b", "d"},
       ""},
      {"Slot 0 is not deleted",
       false,
       [](AppCore& c) { c.commands.DeleteCommand(3); },
       {"a", "b", "c", "d"},
       ""},
      {"clear", false, [](AppCore& c) { c.commands.ClearCommand(); }, {"d"}, ""},
      {"clear twice",
       false,
       [](AppCore& c) { c.commands.ClearCommand(), c.commands.ClearCommand(); },
       {"d"},
       ""},
      {"swap with a filled Slot 0",
       false,
       [](AppCore& c) { c.commands.SwapCommand(0); },
       {"d", "b", "c", "a"},
       "a",
       150},
      {"swap with an empty Slot 0 duplicates",
       true,
       [](AppCore& c) { c.commands.SwapCommand(1); },
       {"a", "b", "c", "d", "b"},
       "b"},
      {"copy comes back as a new Slot 0",
       false,
       [](AppCore& c) { c.commands.PutSlotOnClipboard(1); },
       {"a", "b", "c", "d", "b"},
       "b"},
      {"move up", false, [](AppCore& c) { c.commands.MoveUpCommand(0); }, {"b", "a", "c", "d"}, ""},
      {"move up into Slot 0",
       false,
       [](AppCore& c) { c.commands.MoveUpCommand(0), c.commands.MoveUpCommand(2); },
       {"b", "a", "d", "c"},
       "c"},
      {"Slot 0 moved up wraps round to the oldest place",
       false,
       [](AppCore& c) {
         c.commands.MoveUpCommand(0), c.commands.MoveUpCommand(2), c.commands.MoveUpCommand(3);
       },
       {"c", "a", "d", "b"},
       "b",
       200},
      {"move up into an empty Slot 0",
       true,
       [](AppCore& c) { c.commands.MoveUpCommand(3); },
       {"a", "b", "c", "d"},
       "d"},
      {"move Slot 0 down",
       false,
       [](AppCore& c) { c.commands.MoveDownCommand(3); },
       {"a", "b", "d", "c"},
       "c"},
      {"move down",
       false,
       [](AppCore& c) { c.commands.MoveDownCommand(3), c.commands.MoveDownCommand(2); },
       {"a", "d", "b", "c"},
       "c"},
      {"the oldest moved down wraps round to Slot 0",
       false,
       [](AppCore& c) {
         c.commands.MoveDownCommand(3), c.commands.MoveDownCommand(2),
             c.commands.MoveDownCommand(0);
       },
       {"c", "d", "b", "a"},
       "a"},
      {"the oldest moved down past an empty Slot 0",
       true,
       [](AppCore& c) { c.commands.MoveDownCommand(0); },
       {"b", "c", "d", "a"},
       "a"},
      {"previous",
       false,
       [](AppCore& c) { c.commands.PreviousCommand(); },
       {"d", "a", "b", "c"},
       "c"},
      {"previous and next",
       false,
       [](AppCore& c) { c.commands.PreviousCommand(), c.commands.NextCommand(); },
       {"a", "b", "c", "d"},
       "d"},
      {"next with an empty Slot 0",
       true,
       [](AppCore& c) { c.commands.NextCommand(); },
       {"b", "c", "d", "a"},
       ""},
      {"out-of-range indices do nothing",
       false,
       [](AppCore& c) {
         c.list.DeleteSlot(99), c.list.MoveSlotUp(99), c.list.MoveSlotDown(99),
             c.list.SwapWithClipboard(99);
         c.list.CopySlotIntoSlot0(99), c.commands.PutSlotOnClipboard(99);
       },
       {"a", "b", "c", "d"},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Abcd f;
    if (c.emptySlot0) f.EmptySlot0();
    c.commands(*f.core);
    EXPECT_EQ(f.Texts(), c.texts);
    if (!c.clipboard.empty()) {
      EXPECT_EQ(f.ClipboardText(), c.clipboard);
    }
    if (c.slept) {
      EXPECT_EQ(f.system.slept, c.slept);
    }
  }
}

TEST(SlotList, PreviousWithAnEmptySlot0AfterNext) {
  Abcd f;
  f.EmptySlot0();
  f.core->commands.NextCommand();
  f.EmptySlot0();
  f.core->commands.PreviousCommand();
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "a"}));
  EXPECT_EQ(f.ClipboardText(), "a");
}

// A command chosen from a menu finds its record after captures moved it, and
// finds nothing once the record was trimmed away.
TEST(SlotList, RecordsKeepTheirSerialWhereverTheyMove) {
  Abcd f;
  f.core->options.count = 3;
  const uint64_t b = f.core->list.Slots[1].Serial;
  const uint64_t a = f.core->list.Slots[0].Serial;
  f.Copy("e");
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "e"}));
  EXPECT_EQ(f.core->list.IndexOfSerial(b), 0u);
  EXPECT_EQ(f.core->list.IndexOfSerial(a), std::nullopt);
  f.core->commands.SwapCommand(0);
  EXPECT_EQ(f.core->list.IndexOfSerial(b), 3u);
}

TEST(SlotList, OneElementListIgnoresEveryMove) {
  ModelFixture f;
  f.Copy("only");
  f.core->commands.PreviousCommand();
  f.core->commands.NextCommand();
  f.core->commands.MoveUpCommand(0);
  f.core->commands.MoveDownCommand(0);
  f.core->commands.ClearCommand();
  f.core->commands.DeleteCommand(0);
  f.core->commands.SwapCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"only"}));
}

TEST(SlotList, TrimAndSetSlotCount) {
  Abcd f;
  EXPECT_FALSE(f.core->list.TrimSlots(1)) << "a limit below 2 is ignored";
  EXPECT_FALSE(f.core->list.TrimSlots(4));
  EXPECT_TRUE(f.core->list.TrimSlots(2));
  EXPECT_EQ(f.Texts(), (Texts{"c", "d"}));
  SlotList::SetSlotCount(f.core->list.Slots, 4);
  EXPECT_EQ(f.Texts(), (Texts{"c", "d", "-", "-"}));
  SlotList::SetSlotCount(f.core->list.Slots, 1);
  EXPECT_EQ(f.Texts(), (Texts{"c"}));
}

TEST(SlotList, OnDiskSlotsKeepTheirFileWhenMovedAndLoseItWhenDropped) {
  ModelFixture f;
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.CopyAll({"a", "b", "c"});
  std::vector<std::filesystem::path> files;
  for (const auto& rec : f.core->list.Slots) {
    ASSERT_TRUE(rec.OnDisk);
    files.push_back(rec.FileName);
  }
  auto remaining = [&] {
    size_t n = 0;
    for (const auto& file : files) n += FileExists(file);
    return n;
  };
  f.core->commands.MoveUpCommand(0);
  f.core->commands.PreviousCommand();
  EXPECT_EQ(remaining(), 3u);
  f.core->commands.DeleteCommand(0);
  EXPECT_EQ(f.root.FileCount(), 0u);
  EXPECT_EQ(remaining(), 2u);
  f.core->options.count = 1;
  f.Copy("d");
  EXPECT_EQ(remaining(), 1u) << "the trimmed slot's file is deleted";
}

TEST(SlotList, DuplicateIntoSlot0CopiesTheDataFile) {
  ModelFixture f;
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.CopyAll({"a", "b"});
  f.clipboard.ClearByOther();
  f.core->commands.SwapCommand(0);
  ASSERT_EQ(f.core->list.Slots.size(), 3u);
  EXPECT_NE(f.core->list.Slots[0].FileName, f.core->list.Slots[2].FileName);
  f.core->commands.DeleteCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"b", "a"}));
}

}  // namespace
}  // namespace qv
