// Captures, the user's commands, the work folder between runs, .slot files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "attributes/previews.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "store/slot_file.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

using namespace test;
namespace fs = std::filesystem;

// The slots, oldest first, as one string of one-letter texts ("-": empty, "?":
// a slot whose data is gone).
std::string Slots(const ModelFixture& f) {
  std::string out;
  for (const std::string& text : f.Texts()) out += text.empty() ? "?" : text;
  return out;
}

// One step per word. Another program: +T copies T, e empties the clipboard,
// !N holds it through our next N opens; ? is a change notice. The user: dN
// delete, c clear, sN swap, pN put on the clipboard, uN/vN move up/down, b/n
// previous/next. Options: N nodouble, #N count, D all on disk, M none, o the
// defaults; P applies the disk policy. x exits storing the slots, r starts.
void Play(ModelFixture& f, const std::string& script) {
  Options o = f.core->options;
  std::istringstream words(script);
  for (std::string w; words >> w;) {
    const char op = w.size() > 1 && w[1] >= '0' && w[1] <= '9' ? w[0] : 0;
    const int n = op ? std::stoi(w.substr(1)) : 0;
    if (w[0] == '+') f.Copy(w.substr(1));
    if (w == "e") f.clipboard.ClearByOther();
    if (op == '!') f.clipboard.refuseOpens = n;
    if (w == "?") f.reader ? (void)f.reader->OnNotice() : f.core->monitor.InformClipboardChange();
    if (op == '#') o.count = static_cast<uint16_t>(n);
    if (w == "N") o.nodouble = true;
    if (w == "D") o.maxsize = 0;
    if (w == "M") o.write2disk = false;
    if (w == "o") o = Options{};
    EXPECT_FALSE(w == "x" && f.core->SaveWorkSlots());
    if (w == "r") f.StartAndLoad(o);
    f.core->options = o;
    f.core->ApplyOptionsToContext();
    if (w == "P") f.core->ApplyDiskPolicy();
    if (op == 'd') f.core->commands.DeleteCommand(n);
    if (w == "c") f.core->commands.ClearCommand();
    if (op == 's') f.core->commands.SwapCommand(n);
    if (op == 'p') f.core->commands.PutSlotOnClipboard(n);
    if (op == 'u') f.core->commands.MoveUpCommand(n);
    if (op == 'v') f.core->commands.MoveDownCommand(n);
    if (w == "b") f.core->commands.PreviousCommand();
    if (w == "n") f.core->commands.NextCommand();
    f.Deliver();
  }
}

// The slots a scenario leaves, and the clipboard and the time waited when given;
// alike whether notices are read on the window's thread or on a thread of
// their own, where the program's own writes are known by sequence number.
TEST(History, Scenarios) {
  const struct {
    const char* script;
    const char* slots;
    const char* clipboard = nullptr;
    uint64_t slept = 0;
  } cases[] = {
      // Captures.
      {"+a +b +c ?", "abc"},     // a repeated notice of one change adds nothing
      {"N +A +A +B +A", "ABA"},  // nodouble compares with the previous slot only
      {"+A +A", "AA"},
      {"+t e e ?", "t-"},              // emptying makes an empty Slot 0 once
      {"+t e +n", "tn"},               // the empty Slot 0 is reused
      {"N +s e +s", "s"},              // equal content after an empty clipboard
      {"#1 +a +b +c +d", "cd"},        // trimmed to count plus one
      {"!7 +a !8 +b", "a", "b", 350},  // retried while busy; never an invented empty slot
      {"!7 +a !8 +b ?", "ab"},         // the next notice finds it free
      // The user's commands on a, b, c, d.
      {"+a +b +c +d d1", "acd"},
      {"+a +b +c +d d2", "abd"},
      {"+a +b +c +d d3", "abcd"},  // Slot 0 is not deleted
      {"+a +b +c +d c c", "d"},
      {"+a +b c", "b"},
      {"+a +b +c +d c b n u0 v0 d0 s0", "d", "d"},  // one slot: nothing moves
      {"+a +b +c +d s0 ?", "dbca", "a", 150},       // a late notice of the program's own write
      {"+a +b +c +d e s1", "abcdb", "b"},           // swap with an empty Slot 0 duplicates
      {"+a +b +c +d p1", "abcdb", "b"},             // comes back as a new Slot 0
      {"+a +b +c +d u0", "bacd"},
      {"+a +b +c +d u0 u2 u3", "cadb", "b", 200},  // Slot 0 wraps round to the oldest place
      {"+a +b +c +d e u3", "abcd", "d"},
      {"+a +b +c +d v3 v2", "adbc", "c"},
      {"+a +b +c +d v3 v2 v0", "cdba", "a"},  // the oldest wraps round to Slot 0
      {"+a +b +c +d e v0", "bcda", "a"},
      {"+a +b +c +d b", "dabc", "c"},
      {"+a +b +c +d b n", "abcd", "d"},
      {"+a +b +c +d e n", "bcda"},
      {"+a +b +c +d e n e b", "bcda", "a"},
      {"+a +b +c +d d4 u4 v4 s4 p4 e s5", "abcd-"},  // indices past the end
      // The next start after an exit that stored a, b, c.
      {"+a +b +c x r", "abcc", "c"},       // the clipboard is captured again
      {"+a +b +c x N r", "abc", "c"},      // unless it equals the last slot
      {"+a +b +c x e r +d", "abcd", "d"},  // Slot 0 is put back on an empty clipboard
      {"+a +b +c e x r", "abc", "c"},      // an empty Slot 0 is not stored
      {"+a +b +c x e #1 r", "bc", "c"},
      {"+a +b +c e x D #2 r +d +e +f d0 e o r", "abc"},  // a kill loses nothing stored
  };
  for (const bool threaded : {false, true})
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.script) + (threaded ? " (reading thread)" : ""));
      ModelFixture f;
      if (threaded) f.WatchOnThread();
      Play(f, c.script);
      EXPECT_EQ(Slots(f), c.slots);
      EXPECT_EQ(f.ClipboardText(), c.clipboard ? c.clipboard : f.ClipboardText());
      EXPECT_EQ(f.system.slept, c.slept ? c.slept : f.system.slept);
    }
}

// Copies marked private, and captures that fail half-way (out of memory, a
// renderer that throws), leave the history as it was; monitoring goes on.
TEST(ClipMonitor, WhatLeavesTheHistoryAlone) {
  ModelFixture f;
  for (const char* marker :
       {"Clipboard Viewer Ignore", "ExcludeClipboardContentFromMonitorProcessing"})
    f.clipboard.SetByOther({{CF_TEXT, Ansi("s")}, {f.clipboard.RegisterFormat(marker), Bytes{1}}});
  const uint32_t history = f.clipboard.RegisterFormat("CanIncludeInClipboardHistory");
  f.clipboard.SetByOther({{CF_TEXT, Ansi("s")}, {history, Bytes{0, 0, 0, 0}}});
  f.clipboard.SetByOther({{CF_TEXT, Ansi("k")}, {history, Bytes{1, 0, 0, 0}}});
  f.clipboard.outOfMemory = true;
  Play(f, "+x");
  EXPECT_FALSE(f.clipboard.IsOpen());
  f.clipboard.outOfMemory = false;
  f.renderer.fails = true;
  EXPECT_ANY_THROW(f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(8, 8, {})}}));
  EXPECT_FALSE(f.core->capture.IgnoreClipboardChange);
  f.renderer.fails = false;
  Play(f, "+n");
  EXPECT_EQ(Slots(f), "kn");
}

TEST(ClipMonitor, AChangeDuringACaptureIsNotLost) {
  ModelFixture f;
  std::string copy = "+t";  // right after our capture read the clipboard, its notice ignored
  int closes = 0, opens = 0;
  f.clipboard.afterClose = [&] {
    if (++closes == 1) Play(f, copy);
  };
  Play(f, "+t");  // the same content again: no second slot
  closes = 0, copy = "+d";
  Play(f, "+o");
  f.clipboard.afterClose = nullptr;
  f.clipboard.beforeOpen = [&] {
    if (++opens == 1) Play(f, "+r");  // between the notice and the reading
  };
  Play(f, "+x");
  f.clipboard.beforeOpen = nullptr;
  EXPECT_EQ(Slots(f), "todr") << "content replaced before it was read is captured once";
}

TEST(ClipMonitor, CopySoundAndActionsForNewCopiesOnly) {
  ModelFixture f;
  ASSERT_TRUE(WriteWholeFile(f.root / "copy.wav", Bytes(44, 1)));
  f.core->options.playsound = true;
  f.core->options.sound = (f.root / "copy.wav").string();
  f.core->LoadCopySound();
  std::vector<size_t> actions;
  f.core->monitor.onNewSlotActions = [&](size_t i) { actions.push_back(i); };
  Play(f, "+a p0");  // the program's own write comes back silently
  f.clipboard.onChange = nullptr;
  Play(f, "p0");
  f.clipboard.onChange = [&f] { f.core->monitor.InformClipboardChange(); };
  f.core->monitor.InformClipboardChange();  // a late notice of a put is captured silently
  EXPECT_FALSE(f.core->commands.LoadSlotFile(f.Write("a.slot", CaptureClipboard(f.clipboard))));
  Play(f, "N +a e");  // a repeat is no new slot
  f.clipboard.onChange = nullptr;
  Play(f, "+s");
  f.core->monitor.MultipleClip(true);  // as at start-up: no sound, no actions
  EXPECT_EQ(Slots(f), "aaaas");
  EXPECT_EQ(f.sound.played.size(), 1u);
  EXPECT_EQ(actions, (std::vector<size_t>{0, 1, 2, 3}));
  // Reloading drops the program's reference; the player keeps its own.
  f.core->options.sound = (f.root / "missing.wav").string();
  f.core->LoadCopySound();
  EXPECT_FALSE(f.core->copySound.Loaded());
  EXPECT_EQ(f.sound.played[0]->size(), 44u);
}

// Readings from the watcher thread: held while the program ignores changes,
// applied before a command writes (so its index still names the slot the user
// chose), dropped when older than the list (it reached the window after a
// write it could not wait for); a write that found the clipboard busy claims
// no change as its own.
TEST(ClipMonitor, ReadingsFromTheWatcherThread) {
  ModelFixture f;
  f.WatchOnThread();
  f.core->capture.IgnoreClipboardChange = true;
  f.Copy("a");
  f.core->monitor.ApplyQueuedReadings();
  EXPECT_EQ(Slots(f), "-");
  f.core->capture.IgnoreClipboardChange = false;
  f.Deliver();
  f.Copy("b");  // read, not applied yet
  f.core->commands.SwapCommand(0);
  EXPECT_EQ(f.reader->OnNotice(), 0) << "the program's own write is not read";
  f.Deliver();
  EXPECT_EQ(Slots(f), "ba");
  EXPECT_EQ(f.ClipboardText(), "a");

  f.clipboard.onChange = nullptr;  // a notice still on its way
  f.Copy("c");
  f.clipboard.refuseAllOpens = true;
  f.core->commands.SwapCommand(0);
  f.clipboard.refuseAllOpens = false;
  f.reader->OnNotice();
  f.Deliver();
  EXPECT_EQ(Slots(f), "abc") << "the list swapped; the copy is still captured";

  f.Copy("d");
  f.reader->OnNotice();
  auto late = f.core->capture.Gate().TakeReadings();
  ASSERT_EQ(late.size(), 1u);
  f.core->commands.PutSlotOnClipboard(0);  // captured at once
  EXPECT_EQ(Slots(f), "abca");
  {
    ClipboardGate::ReadTurn turn(f.core->capture.Gate());
    turn.Deliver(std::move(late[0]));
  }
  f.Deliver();
  EXPECT_EQ(Slots(f), "abca") << "a reading older than the list is dropped";
  f.Copy("e");
  f.core->monitor.InformClipboardChange();  // read on the window's thread, as at start-up
  f.reader->OnNotice();
  f.Deliver();
  EXPECT_EQ(Slots(f), "abcae") << "a change read twice is one slot";
}

// The watcher thread's reader: each change once, a clipboard that keeps
// changing under it chased a few times only, a clipboard another program holds
// or has not rendered yet waited for briefly.
TEST(ClipboardReader, ReadsEachChangeOnceChasesAFewAndWaitsBriefly) {
  ModelFixture f;
  f.WatchOnThread();
  f.clipboard.onChange = nullptr;
  f.Copy("a");
  EXPECT_EQ(f.reader->OnNotice(), 1);
  EXPECT_EQ(f.reader->OnNotice(), 0);
  int copies = 0;
  f.clipboard.afterClose = [&] { f.Copy("c" + std::to_string(++copies)); };
  f.Copy("b");
  EXPECT_EQ(f.reader->OnNotice(), kMaxReadingsPerNotice);
  f.Deliver();
  const size_t length = f.core->list.Slots.size();
  f.Copy("w");
  f.core->monitor.InformClipboardChange();  // the window's own reading chases alike
  EXPECT_EQ(f.core->list.Slots.size() - length, size_t(kMaxReadingsPerNotice));
  f.clipboard.afterClose = nullptr;
  f.core->commands.ClearCommand();
  const std::string before = Slots(f);
  f.clipboard.refuseOpens = 100;  // another program holds it
  f.Copy("held");
  const uint64_t slept = f.system.slept;
  EXPECT_EQ(f.reader->OnNotice(), 0);
  EXPECT_EQ(f.system.slept - slept, (kOpenAttempts - 1) * kOpenRetryMilliseconds);
  EXPECT_EQ(Slots(f), before);
  f.clipboard.refuseOpens = 0;
  EXPECT_EQ(f.reader->OnNotice(), 1) << "read at its next notice";
  f.Deliver();
  EXPECT_EQ(f.Texts().back(), "held");
  // Formats listed but not rendered for a moment: read again a little later.
  f.clipboard.unrenderable = {CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT, CF_LOCALE};
  int opens = 0;
  f.clipboard.beforeOpen = [&] {
    if (++opens == 2) f.clipboard.unrenderable.clear();
  };
  f.Copy("late");
  f.reader->OnNotice();
  f.Deliver();
  EXPECT_EQ(f.Texts().back(), "late");
  // Changes made between a notice and the read that follows it: each reading
  // carries the number of what it read, so no later notice reads it again.
  f.clipboard.unrenderable.clear();
  int sneaked = 0;
  f.clipboard.beforeOpen = [&] {
    if (sneaked < kMaxReadingsPerNotice) f.Copy("s" + std::to_string(++sneaked));
  };
  f.Copy("x");
  for (int notice = 0; notice < 3; ++notice) {
    f.reader->OnNotice();
    f.Deliver();
  }
  f.clipboard.beforeOpen = nullptr;
  f.reader->OnNotice();
  f.Deliver();
  const std::vector<std::string> texts = f.Texts();
  EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end())
      << testing::PrintToString(texts);
  EXPECT_EQ(texts.back(), "s" + std::to_string(sneaked));
}

// A menu command finds its record after captures moved it, or finds it gone.
// Records on disk keep their file when moved and lose it when dropped.
TEST(SlotList, RecordsKeepTheirSerialAndTheirFile) {
  ModelFixture f;
  Play(f, "D +a +b +c +d");
  SlotList& list = f.core->list;
  std::vector<fs::path> files;
  for (const auto& rec : list.Slots) files.push_back(rec.FileName);
  auto remaining = [&] { return std::count_if(files.begin(), files.end(), FileExists); };
  const uint64_t a = list.Slots[0].Serial, b = list.Slots[1].Serial;
  Play(f, "#3 +e");
  EXPECT_EQ(list.IndexOfSerial(b), 0u);
  EXPECT_EQ(list.IndexOfSerial(a), std::nullopt);
  EXPECT_EQ(remaining(), 3);
  Play(f, "s0");
  EXPECT_EQ(list.IndexOfSerial(b), 3u);
  Play(f, "u1 b d0");
  EXPECT_EQ(Slots(f), "edc");
  EXPECT_EQ(remaining(), 2);
  EXPECT_TRUE(!list.TrimSlots(1) && !list.TrimSlots(3) && list.TrimSlots(2));  // 2 at least
  EXPECT_EQ(Slots(f), "dc");
  SlotList::SetSlotCount(list.Slots, 4);
  EXPECT_EQ(Slots(f), "dc--");
  SlotList::SetSlotCount(list.Slots, 1);
  EXPECT_EQ(Slots(f), "d");
}

TEST(Options, EachChangeHasItsOneEffectReloadingAppliesThem) {
  const std::pair<std::function<void(Options&)>, ReloadEffects> cases[] = {
      {[](Options& o) { o.transparent = 30; }, {.opacity = true}},
      {[](Options& o) { o.align = 3; }, {.placement = true}},
      {[](Options& o) { o.page = 9; }, {.page = true}},
      {[](Options& o) { o.count = 7; }, {.count = true}},
      {[](Options& o) { o.textWidth += 1; }, {.textViewer = true}},
      {[](Options& o) { o.background = 0x123456; }, {.pictureBackground = true}},
      {[](Options& o) { o.toolbarhints = !o.toolbarhints; }, {.toolbarHints = true}},
      {[](Options& o) { o.snap = !o.snap; }, {.docking = true}},
      {[](Options& o) { o.pathfiles = !o.pathfiles; }, {.slotsRedraw = true}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    Options after;
    cases[i].first(after);
    const ReloadEffects effects = CompareOptions(Options{}, after);
    EXPECT_EQ(std::memcmp(&effects, &cases[i].second, sizeof effects), 0) << "row " << i;
  }
  // Reloading trims to a smaller count at once and keeps the preview size.
  ModelFixture f;
  Play(f, "+a +b +c +d");
  const auto file = f.core->folders.OptionsFile;
  ASSERT_TRUE(WriteWholeFile(file, AsBytes("[slots]\ncount=2\nmaxsize=100\n[picture]\nsize=120")));
  EXPECT_TRUE(f.core->ReLoadOptions().count);
  EXPECT_EQ(Slots(f), "bcd");
  EXPECT_EQ(f.core->options.maxsize, 100u * 1024u);
  EXPECT_EQ(f.core->options.pictureSize, 60) << "the preview size waits for the next start";
  ASSERT_TRUE(WriteWholeFile(file, AsBytes("[slots]\ncount=20")));
  f.core->ReLoadOptions();
  EXPECT_EQ(Slots(f), "bcd") << "a larger count adds no empty slots";
}

size_t SlotFiles(const fs::path& folder) {
  size_t n = 0;
  for (const auto& e : fs::directory_iterator(folder))
    n += IsSlotFileName(e.path().filename().string());
  return n;
}
std::string ReadText(const fs::path& path) {
  auto bytes = ReadWholeFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}
fs::path Work(const ModelFixture& f) {
  return f.core->folders.WorkFolder;
}
std::vector<SlotFileNames> Index(const ModelFixture& f) {
  return ReadSlotIndex(IniFile(Work(f) / "slots.cfg").Load());
}

// A start over a damaged work folder loads what it can read and removes slot
// files no index names. Dk and Ak in an index stand for the names slot k had.
TEST(WorkSlots, DamagedFoldersLoadWhatIsWhole) {
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"attributes of slot 1 truncated, data of slot 2 gone", "", "c"},
      {"a count beyond the sections", "[main]\ncount=70000\n[slot3]\ndata=D3\nset=A3", "c"},
      {"names leaving the folder or not text, two entries naming one file",
       "[main]\ncount=4\n[slot1]\ndata=..\\..\\x.dat\nset=A1\n[slot2]\ndata=\xE9.dat\nset=A2\n"
       "[slot3]\ndata=D3\nset=A3\n[slot4]\ndata=D3\nset=A3",
       "c"},
      {"garbage: no slot, the empty clipboard is Slot 0", "\x01\x02", "-"},
  };
  for (auto [name, index, slots] : cases) {
    SCOPED_TRACE(name);
    ModelFixture f;
    Play(f, "+a +b +c");
    ASSERT_FALSE(f.core->SaveWorkSlots());
    const auto names = Index(f);
    if (index.empty()) {
      fs::resize_file(Work(f) / names[0].attributes, 100);
      RemoveFile(Work(f) / names[1].data);
    } else {
      for (size_t k = 0; k < 3; ++k)
        for (auto [key, value] : {std::pair{'D', names[k].data}, {'A', names[k].attributes}})
          for (size_t at; (at = index.find(std::string{key, char('1' + k)})) != std::string::npos;)
            index.replace(at, 2, value);
      ASSERT_TRUE(WriteWholeFile(Work(f) / "slots.cfg", AsBytes(index)));
    }
    ASSERT_TRUE(WriteWholeFile(Work(f) / "123456.dat", Bytes{1}) &&
                WriteWholeFile(Work(f) / "notes.txt", Bytes{1}));
    f.clipboard.ClearByOther();
    f.StartAndLoad();
    EXPECT_EQ(Slots(f), slots);
    EXPECT_TRUE(!FileExists(Work(f) / "123456.dat") && FileExists(Work(f) / "notes.txt"));
    EXPECT_FALSE(f.core->SaveWorkSlots());
    EXPECT_EQ(Index(f).size(), slots == std::string("c") ? 1u : 0u);
  }
}

// While running, the work folder follows the list: each store writes only
// content the index does not hold yet, a deleted slot's files go with the
// next store, and a start after a crash finds the list as last stored.
TEST(WorkSlots, StoredAsTheListChanges) {
  ModelFixture f;
  f.StartAndLoad();
  Play(f, "M +a +b +c");
  ASSERT_FALSE(f.core->StoreChangedSlots());
  const auto first = Index(f);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(SlotFiles(Work(f)), 6u);
  ASSERT_TRUE(WriteWholeFile(Work(f) / "slots.cfg", AsBytes("changed behind our back")));
  ASSERT_FALSE(f.core->StoreChangedSlots());
  EXPECT_EQ(ReadText(Work(f) / "slots.cfg"), "changed behind our back") << "nothing to store";
  Play(f, "+d d1");  // a copy, and "b" deleted
  ASSERT_FALSE(f.core->StoreChangedSlots());
  const auto second = Index(f);
  ASSERT_EQ(second.size(), 3u);
  for (size_t k : {0u, 1u}) {
    EXPECT_EQ(second[k].data, first[k * 2].data) << "a and c are named again, not rewritten";
    EXPECT_EQ(second[k].attributes, first[k * 2].attributes);
  }
  EXPECT_FALSE(FileExists(Work(f) / first[1].data)) << "the deleted slot's files go";
  EXPECT_EQ(SlotFiles(Work(f)), 6u);
  Play(f, "u0");  // moves rearrange the index alone
  ASSERT_FALSE(f.core->StoreChangedSlots());
  EXPECT_EQ(Index(f)[0].data, second[1].data);
  EXPECT_EQ(SlotFiles(Work(f)), 6u);
  // A crash now: the next start finds the list as it was.
  f.clipboard.ClearByOther();
  f.StartAndLoad();
  EXPECT_EQ(Slots(f), "cad");
  // Switched off while running: the stored slots go as an exit would remove
  // them, the running list keeps its own.
  const auto reload = [&](const char* options) {
    ASSERT_TRUE(WriteWholeFile(f.core->folders.OptionsFile, AsBytes(options)));
    f.core->ReLoadOptions();
  };
  reload("[slots]\r\nmaxsize=100\r\n");
  f.Copy(std::string(200 * 1024, 'e'));
  ASSERT_FALSE(f.core->StoreChangedSlots());
  const fs::path large = f.core->list.Slots.back().FileName;
  ASSERT_TRUE(f.core->list.Slots.back().OnDisk);
  EXPECT_EQ(SlotFiles(Work(f)), 8u);
  reload("[slots]\r\nmaxsize=100\r\nsaveslots=0\r\n");
  EXPECT_EQ(ReadText(Work(f) / "slots.cfg"), "[main]\r\ncount=0\r\n");
  EXPECT_EQ(SlotFiles(Work(f)), 1u) << "only the data file the running list reads";
  EXPECT_TRUE(FileExists(large));
  EXPECT_EQ(f.core->list.Slots.size(), 4u);
  ASSERT_FALSE(f.core->StoreChangedSlots());
  EXPECT_EQ(ReadText(Work(f) / "slots.cfg"), "[main]\r\ncount=0\r\n");
}

// A slot on disk is stored by naming its file; the files a stored index names
// stay until the next save; an exit without saveslots leaves none.
TEST(WorkSlots, DiskPolicyExitAndStart) {
  ModelFixture f;
  Play(f, "+s +t");
  EXPECT_EQ(SlotFiles(Work(f)), 0u);
  Play(f, "D P");
  EXPECT_EQ(SlotFiles(Work(f)), 2u);
  const fs::path file = f.core->list.Slots.back().FileName;
  Play(f, "x");
  EXPECT_EQ(SlotFiles(Work(f)), 4u);
  EXPECT_EQ(Index(f)[1].data, file.filename().string());
  Play(f, "e r");
  TClipRec& oldest = f.core->list.Slots[0];
  EXPECT_FALSE(oldest.TextView) << "derived when first shown";
  EnsureTextView(oldest, f.core->attributes.previews);
  EXPECT_EQ(RtfToPlainText(oldest.TextView.value_or("")), u"s");
  Play(f, "M P");
  EXPECT_FALSE(f.core->list.Slots[0].OnDisk);
  EXPECT_EQ(SlotFiles(Work(f)), 4u);
  EXPECT_EQ(Slots(f), "st");
  ASSERT_FALSE(f.core->DiscardWorkSlots());
  EXPECT_EQ(ReadText(Work(f) / "slots.cfg"), "[main]\r\ncount=0\r\n");
  EXPECT_EQ(SlotFiles(Work(f)), 0u);
}

TEST(SlotFiles, ExportThenLoadThroughTheClipboard) {
  for (auto [chosen, named] :
       {std::pair{"c.SLOT", "c.SLOT"}, {"c.txt", "c.txt.slot"}, {"c", "c.slot"}})
    EXPECT_EQ(SlotExportName(chosen), fs::path(named));
  ModelFixture f;
  Play(f, "+o");
  auto exportTo = [&](const std::string& name) {
    auto temporary = PrepareSlotExport(f.core->list.Slots[0], Work(f), f.system);
    EXPECT_FALSE(FinishSlotExport(temporary.value(), f.root / name));
    return ReadText(f.root / (name + ".slot"));
  };
  const std::string inMemory = exportTo("memory");
  Play(f, "D P");
  EXPECT_EQ(exportTo("disk"), inMemory) << "a slot on disk exports the same bytes";
  Play(f, "+x");
  EXPECT_FALSE(f.core->commands.LoadSlotFile(f.root / "memory.slot"));
  std::string bad = inMemory;
  bad[4] = 0x12;  // version
  ASSERT_TRUE(WriteWholeFile(f.root / "bad.slot", AsBytes(bad)));
  EXPECT_EQ(f.core->commands.LoadSlotFile(f.root / "bad.slot"), kInvalidSlotFileMessage);
  EXPECT_TRUE(f.core->commands.LoadSlotFile(f.root / "missing.slot"));
  EXPECT_EQ(Slots(f), "oxo");
}

}  // namespace
}  // namespace qv
