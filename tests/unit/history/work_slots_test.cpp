#include <gtest/gtest.h>

#include <functional>

#include "attributes/previews.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "store/slot_file.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::ModelFixture;
using test::Texts;

std::string ReadText(const std::filesystem::path& path) {
  auto bytes = ReadWholeFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

size_t SlotFiles(const std::filesystem::path& folder) {
  size_t n = 0;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    n += IsSlotFileName(e.path().filename().string());
  return n;
}

struct Stored : ModelFixture {
  // A previous run that copied a, b, c and exited with its slots saved.
  Stored() {
    CopyAll({"a", "b", "c"});
    EXPECT_FALSE(core->SaveWorkSlots());
  }
  std::filesystem::path Work() const { return core->folders.WorkFolder; }
  IniDocument Index() const { return IniFile(Work() / "slots.cfg").Load(); }
};

TEST(WorkSlots, ExitWritesAnIndexAndTwoFilesPerSlot) {
  Stored f;
  IniDocument index = f.Index();
  EXPECT_EQ(IniInteger(index, "main", "count", -1), 3);
  EXPECT_EQ(SlotFiles(f.Work()), 6u);
  auto names = ReadSlotIndex(index);
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(ReadWholeFile(f.Work() / names[0].attributes)->size(), 258u);
  EXPECT_NE(ReadText(f.Work() / "slots.cfg").find("[slot1]\r\ndata="), std::string::npos)
      << "data is written before set";
}

TEST(WorkSlots, NextStartWithTheSameClipboard) {
  Stored f;
  f.StartAndLoad();
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "c"})) << "the clipboard is captured again";
  Options noDouble;
  noDouble.nodouble = true;
  ASSERT_FALSE(f.core->SaveWorkSlots());
  f.StartAndLoad(noDouble);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "c"})) << "equal to the last stored slot: not added";
}

TEST(WorkSlots, NextStartWithAnEmptyClipboardPutsSlot0Back) {
  Stored f;
  f.clipboard.ClearByOther();
  f.StartAndLoad();
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c"}));
  EXPECT_EQ(f.ClipboardText(), "c");
  f.Copy("d");
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c", "d"})) << "restoring it made no slot";
}

TEST(WorkSlots, ALoadedSlotsTextViewIsDerivedWhenFirstShown) {
  Stored f;
  f.clipboard.ClearByOther();
  f.StartAndLoad();
  TClipRec& rec = f.core->list.Slots[0];
  EXPECT_FALSE(rec.TextView);
  EnsureTextView(rec, f.core->attributes.previews);
  ASSERT_TRUE(rec.TextView);
  EXPECT_EQ(RtfToPlainText(*rec.TextView), u"a");
}

TEST(WorkSlots, AnEmptySlot0IsNotStored) {
  ModelFixture f;
  f.CopyAll({"a", "b", "c"});
  f.clipboard.ClearByOther();
  ASSERT_FALSE(f.core->SaveWorkSlots());
  EXPECT_EQ(IniFile(f.core->folders.WorkFolder / "slots.cfg").ReadInteger("main", "count", -1), 3);
  f.StartAndLoad();
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c"}));
  EXPECT_EQ(f.ClipboardText(), "c");
}

TEST(WorkSlots, LoadTrimsToCount) {
  Stored f;
  Options two;
  two.count = 2;
  f.clipboard.ClearByOther();
  f.StartAndLoad(two);
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c"}));
  two.count = 1;
  f.clipboard.ClearByOther();
  f.StartAndLoad(two);
  EXPECT_EQ(f.Texts(), (Texts{"b", "c"}));
}

TEST(WorkSlots, AKillLosesNothingThePreviousExitStored) {
  Stored f;
  Options options;
  options.count = 2;
  options.maxsize = 0;  // every slot on disk: trimming deletes data files
  f.clipboard.ClearByOther();
  f.StartAndLoad(options);
  f.CopyAll({"d", "e", "f"});
  f.core->commands.DeleteCommand(0);
  // Killed here: no exit.
  f.clipboard.ClearByOther();
  f.StartAndLoad();
  EXPECT_EQ(f.Texts(), (Texts{"a", "b", "c"}));
}

// What a start makes of a work folder damaged between two runs: every slot
// that can be read loads, the others are skipped; the clipboard is empty.
TEST(WorkSlots, DamagedFoldersLoadWhatIsWhole) {
  using Damage =
      std::function<void(const std::filesystem::path& work, const std::vector<SlotFileNames>&)>;
  auto index = [](const std::filesystem::path& work, const std::string& text) {
    ASSERT_TRUE(WriteWholeFile(work / "slots.cfg", AsBytes(text)));
  };
  auto entry = [](int k, const std::string& data, const std::string& set) {
    return "[slot" + std::to_string(k) + "]\r\ndata=" + data + "\r\nset=" + set + "\r\n";
  };
  const struct {
    const char* name;
    Damage damage;
    Texts texts;
  } cases[] = {
      {"attributes of slot 1 truncated, data of slot 2 gone",
       [](auto& work, auto& names) {
         std::filesystem::resize_file(work / names[0].attributes, 100);
         RemoveFile(work / names[1].data);
       },
       {"c"}},
      {"a count beyond the sections",
       [&](auto& work, auto& names) {
         index(work, "[main]\r\ncount=70000\r\n" + entry(3, names[2].data, names[2].attributes));
       },
       {"c"}},
      {"a name leaving the folder",
       [&](auto& work, auto& names) {
         index(work, "[main]\r\ncount=2\r\n" + entry(1, "..\\..\\x.dat", names[0].attributes) +
                         entry(2, names[2].data, names[2].attributes));
       },
       {"c"}},
      {"two entries naming one data file",
       [&](auto& work, auto& names) {
         index(work, "[main]\r\ncount=2\r\n" + entry(1, names[2].data, names[2].attributes) +
                         entry(2, names[2].data, names[2].attributes));
       },
       {"c"}},
      {"garbage: no slot, the empty clipboard is Slot 0",
       [&](auto& work, auto&) { index(work, "garbage\x01\x02"); },
       {"-"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Stored f;
    c.damage(f.Work(), ReadSlotIndex(f.Index()));
    ASSERT_TRUE(WriteWholeFile(f.Work() / "123456.dat", Bytes(10, 1)));
    f.clipboard.ClearByOther();
    f.StartAndLoad();
    EXPECT_EQ(f.Texts(), c.texts);
    EXPECT_FALSE(FileExists(f.Work() / "123456.dat")) << "a file no index entry names is removed";
  }
}

// Names are ANSI bytes: one that is not UTF-8 skips its slot, the others load,
// and the next exit still stores them. Files the program did not make stay.
TEST(WorkSlots, UnreadableNamesAndForeignFiles) {
  Stored f;
  auto names = ReadSlotIndex(f.Index());
  ASSERT_TRUE(WriteWholeFile(
      f.Work() / "slots.cfg",
      AsBytes("[main]\r\ncount=2\r\n[slot1]\r\ndata=\xE9.dat\r\nset=" + names[0].attributes +
              "\r\n[slot2]\r\ndata=" + names[2].data + "\r\nset=" + names[2].attributes)));
  ASSERT_TRUE(WriteWholeFile(f.Work() / "notes.txt", Bytes(10, 1)));
  f.clipboard.ClearByOther();
  f.StartAndLoad();
  EXPECT_EQ(f.Texts(), (Texts{"c"}));
  EXPECT_FALSE(f.core->SaveWorkSlots());
  EXPECT_EQ(IniInteger(f.Index(), "main", "count", -1), 1);
  EXPECT_TRUE(FileExists(f.Work() / "notes.txt"));
}

TEST(WorkSlots, LargeSlotsStayOnDiskAndExitDoesNotRewriteThem) {
  ModelFixture f;
  f.core->options.maxsize = 100 * 1024;
  f.core->ApplyOptionsToContext();
  f.Copy(std::string(40 * 1024, 'x'));  // four text records: above 100 kB
  ASSERT_TRUE(f.core->list.Slots.back().OnDisk);
  auto file = f.core->list.Slots.back().FileName;
  ASSERT_FALSE(f.core->SaveWorkSlots());
  auto names = ReadSlotIndex(IniFile(f.core->folders.WorkFolder / "slots.cfg").Load());
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].data, file.filename().string());
}

TEST(WorkSlots, DiskPolicyMovesSlotsBothWays) {
  ModelFixture f;
  f.CopyAll({"small", "also small"});
  EXPECT_EQ(SlotFiles(f.core->folders.WorkFolder), 0u);
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.core->ApplyDiskPolicy();
  EXPECT_EQ(SlotFiles(f.core->folders.WorkFolder), 2u);
  EXPECT_EQ(f.Texts(), (Texts{"small", "also small"}));
  f.core->options.write2disk = false;
  f.core->ApplyOptionsToContext();
  f.core->ApplyDiskPolicy();
  EXPECT_EQ(SlotFiles(f.core->folders.WorkFolder), 0u);
  EXPECT_FALSE(f.core->list.Slots[0].OnDisk);
  EXPECT_EQ(f.Texts(), (Texts{"small", "also small"}));
}

TEST(WorkSlots, WithoutSaveSlotsExitLeavesAnEmptyIndexAndNoFiles) {
  Stored f;
  Options options;
  options.maxsize = 0;
  f.StartAndLoad(options);
  f.Copy("on disk");
  ASSERT_FALSE(f.core->DiscardWorkSlots());
  EXPECT_EQ(ReadText(f.Work() / "slots.cfg"), "[main]\r\ncount=0\r\n");
  EXPECT_EQ(SlotFiles(f.Work()), 0u);
}

TEST(SlotFiles, ExportNamesAndBytes) {
  EXPECT_EQ(SlotExportName("clip.SLOT"), std::filesystem::path("clip.SLOT"));
  EXPECT_EQ(SlotExportName("clip.txt"), std::filesystem::path("clip.txt.slot"));
  EXPECT_EQ(SlotExportName("clip"), std::filesystem::path("clip.slot"));

  ModelFixture f;
  f.Copy("exported");
  auto exportTo = [&](const std::string& name) {
    auto temporary = PrepareSlotExport(f.core->list.Slots[0], f.core->folders.WorkFolder, f.system);
    EXPECT_TRUE(temporary);
    EXPECT_FALSE(FinishSlotExport(*temporary, f.root / name));
    return *ReadWholeFile(f.root / (name + ".slot"));
  };
  Bytes inMemory = exportTo("memory");
  f.core->options.maxsize = 0;
  f.core->ApplyOptionsToContext();
  f.core->ApplyDiskPolicy();
  EXPECT_EQ(exportTo("disk"), inMemory) << "a slot on disk exports the same bytes";
  EXPECT_EQ(inMemory, f.core->list.Slots[0].GetSnapshotData());
  auto temporary = PrepareSlotExport(f.core->list.Slots[0], f.core->folders.WorkFolder, f.system);
  CancelSlotExport(*temporary);
  EXPECT_FALSE(FileExists(*temporary));
}

TEST(SlotFiles, ImportValidatesThenGoesThroughTheClipboard) {
  ModelFixture f;
  f.core->options.playsound = true;
  f.Copy("original");
  auto temporary = PrepareSlotExport(f.core->list.Slots[0], f.core->folders.WorkFolder, f.system);
  ASSERT_FALSE(FinishSlotExport(*temporary, f.root / "one"));
  f.Copy("other");
  EXPECT_FALSE(f.core->commands.LoadSlotFile(f.root / "one.slot"));
  EXPECT_EQ(f.Texts(), (Texts{"original", "other", "original"}));
  EXPECT_TRUE(f.sound.played.empty());

  Bytes bad = *ReadWholeFile(f.root / "one.slot");
  bad[4] = 0x12;  // version
  WriteWholeFile(f.root / "bad.slot", bad);
  auto message = f.core->commands.LoadSlotFile(f.root / "bad.slot");
  ASSERT_TRUE(message);
  EXPECT_EQ(
      *message,
      "Loading this slot is impossible.\r\nThe slot format is unknown or the file is corrupted.");
  EXPECT_TRUE(f.core->commands.LoadSlotFile(f.root / "missing.slot"));
  EXPECT_EQ(f.Texts(), (Texts{"original", "other", "original"}));
}

}  // namespace
}  // namespace qv
