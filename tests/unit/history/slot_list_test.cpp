#include <gtest/gtest.h>

#include "history/app_fixture.h"
#include "util/file_io.h"

namespace qv {
namespace {

using test::AppFixture;
using test::Texts;

// a, b, c, d with d as Slot 0.
struct Abcd : AppFixture {
  Abcd() { CopyAll({"a", "b", "c", "d"}); }
  void EmptySlot0() { clipboard.ClearByOther(); }
};

TEST(SlotList, DeleteAndClear) {
  Abcd f;
  f.core->DeleteCommand(1);
  EXPECT_EQ(f.Texts(), (Texts{"a", "c", "d"}));
  f.core->DeleteCommand(2);
  EXPECT_EQ(f.Texts(), (Texts{"a", "c", "d"})) << "Slot 0 is not deleted";
  f.core->ClearCommand();
  EXPECT_EQ(f.Texts(), (Texts{"d"}));
  f.core->ClearCommand();
  EXPECT_EQ(f.Texts(), (Texts{"d"}));
}

// A command chosen from a menu finds its record after captures moved it, and
// finds nothing once the record was trimmed away.
TEST(SlotList, RecordsKeepTheirSerialWhereverTheyMove) {
  Abcd f;
  f.core->options.count = 3;
  const uint64_t b = f.core->Slots[1].Serial;
  const uint64_t a = f.core->Slots[0].Serial;
  f.Copy("e");
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "e"}));
  EXPECT_EQ(f.core->IndexOfSerial(b), 0u);
  EXPECT_EQ(f.core->IndexOfSerial(a), std::nullopt);
  f.core->SwapCommand(0);
  EXPECT_EQ(f.core->IndexOfSerial(b), 3u);
}

TEST(SlotList, SwapExchangesWithAFilledSlot0) {
  Abcd f;
  f.core->SwapCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"d", "b", "c", "a"}));
  EXPECT_EQ(f.ClipboardText(), "a");
  EXPECT_EQ(f.system.slept, 150u);
}

TEST(SlotList, SwapWithAnEmptySlot0Duplicates) {
  Abcd f;
  f.EmptySlot0();
  f.core->SwapCommand(1);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d", "b"}));
  EXPECT_EQ(f.ClipboardText(), "b");
}

TEST(SlotList, CopyComesBackAsANewSlot0) {
  Abcd f;
  f.core->PutSlotOnClipboard(1);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d", "b"}));
}

TEST(SlotList, MoveUp) {
  Abcd f;
  f.core->MoveUpCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"b", "a", "c", "d"}));
  f.core->MoveUpCommand(2);
  EXPECT_EQ(f.Texts(), (Texts{"b", "a", "d", "c"}));
  EXPECT_EQ(f.ClipboardText(), "c");
  f.core->MoveUpCommand(3);  // Slot 0 wraps round to the oldest place
  EXPECT_EQ(f.Texts(), (Texts{"c", "a", "d", "b"}));
  EXPECT_EQ(f.ClipboardText(), "b");
  EXPECT_EQ(f.system.slept, 200u);
}

TEST(SlotList, MoveUpIntoAnEmptySlot0) {
  Abcd f;
  f.EmptySlot0();
  f.core->MoveUpCommand(3);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(f.ClipboardText(), "d");
}

TEST(SlotList, MoveDown) {
  Abcd f;
  f.core->MoveDownCommand(3);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "d", "c"}));
  EXPECT_EQ(f.ClipboardText(), "c");
  f.core->MoveDownCommand(2);
  EXPECT_EQ(f.Texts(), (Texts{"a", "d", "b", "c"}));
  f.core->MoveDownCommand(0);  // the oldest wraps round to Slot 0
  EXPECT_EQ(f.Texts(), (Texts{"c", "d", "b", "a"}));
  EXPECT_EQ(f.ClipboardText(), "a");
}

TEST(SlotList, MoveDownTheOldestPastAnEmptySlot0) {
  Abcd f;
  f.EmptySlot0();
  f.core->MoveDownCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "a"}));
  EXPECT_EQ(f.ClipboardText(), "a");
}

TEST(SlotList, Rotations) {
  Abcd f;
  f.core->PreviousCommand();
  EXPECT_EQ(f.Texts(), (Texts{"d", "a", "b", "c"}));
  EXPECT_EQ(f.ClipboardText(), "c");
  f.core->NextCommand();
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(f.ClipboardText(), "d");
  f.EmptySlot0();
  f.core->NextCommand();
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "a"}));
  f.EmptySlot0();
  f.core->PreviousCommand();
  EXPECT_EQ(f.Texts(), (Texts{"b", "c", "d", "a"}));
  EXPECT_EQ(f.ClipboardText(), "a");
}

TEST(SlotList, OneElementListIgnoresEveryMove) {
  AppFixture f;
  f.Copy("only");
  f.core->PreviousCommand();
  f.core->NextCommand();
  f.core->MoveUpCommand(0);
  f.core->MoveDownCommand(0);
  f.core->ClearCommand();
  f.core->DeleteCommand(0);
  f.core->SwapCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"only"}));
}

TEST(SlotList, OutOfRangeIndicesDoNothing) {
  Abcd f;
  f.core->DeleteSlot(99);
  f.core->MoveSlotUp(99);
  f.core->MoveSlotDown(99);
  f.core->SwapWithClipboard(99);
  f.core->CopySlotIntoSlot0(99);
  f.core->PutSlotOnClipboard(99);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d"}));
}

TEST(SlotList, TrimAndSetSlotCount) {
  Abcd f;
  EXPECT_FALSE(f.core->TrimSlots(1)) << "a limit below 2 is ignored";
  EXPECT_FALSE(f.core->TrimSlots(4));
  EXPECT_TRUE(f.core->TrimSlots(2));
  EXPECT_EQ(f.Texts(), (Texts{"c", "d"}));
  AppCore::SetSlotCount(f.core->Slots, 4);
  EXPECT_EQ(f.Texts(), (Texts{"c", "d", "-", "-"}));
  AppCore::SetSlotCount(f.core->Slots, 1);
  EXPECT_EQ(f.Texts(), (Texts{"c"}));
}

TEST(SlotList, OnDiskSlotsKeepTheirFileWhenMovedAndLoseItWhenDropped) {
  AppFixture f;
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.CopyAll({"a", "b", "c"});
  std::vector<std::filesystem::path> files;
  for (const auto& rec : f.core->Slots) {
    ASSERT_TRUE(rec.OnDisk);
    files.push_back(rec.FileName);
  }
  f.core->MoveUpCommand(0);
  f.core->PreviousCommand();
  for (const auto& file : files) EXPECT_TRUE(FileExists(file));
  f.core->DeleteCommand(0);
  EXPECT_EQ(f.root.FileCount(), 0u);
  size_t remaining = 0;
  for (const auto& file : files) remaining += FileExists(file);
  EXPECT_EQ(remaining, 2u);
  f.core->options.count = 1;
  f.Copy("d");
  remaining = 0;
  for (const auto& file : files) remaining += FileExists(file);
  EXPECT_EQ(remaining, 1u) << "the trimmed slot's file is deleted";
}

TEST(SlotList, DuplicateIntoSlot0CopiesTheDataFile) {
  AppFixture f;
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.CopyAll({"a", "b"});
  f.clipboard.ClearByOther();
  f.core->SwapCommand(0);
  ASSERT_EQ(f.core->Slots.size(), 3u);
  EXPECT_NE(f.core->Slots[0].FileName, f.core->Slots[2].FileName);
  f.core->DeleteCommand(0);
  EXPECT_EQ(f.Texts(), (Texts{"b", "a"}));
}

}  // namespace
}  // namespace qv
