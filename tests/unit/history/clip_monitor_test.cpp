#include <gtest/gtest.h>

#include "sim_fixture.h"
#include "snapshot/clipboard_probe.h"
#include "util/file_io.h"

namespace qv {
namespace {

using test::ModelFixture;
using test::Texts;

// Another program's copies (a null step empties the clipboard) and the slots they leave.
TEST(ClipMonitor, EachChangeBecomesSlot0) {
  const struct {
    const char* name;
    bool nodouble;
    uint16_t count;
    std::vector<const char*> steps;
    Texts texts;
  } cases[] = {
      {"each change is the new Slot 0", false, 15, {"a", "b", "c"}, {"a", "b", "c"}},
      {"nodouble compares with the previous slot only",
       true,
       15,
       {"A", "A", "B", "A"},
       {"A", "B", "A"}},
      {"without nodouble equal copies stay", false, 15, {"A", "A"}, {"A", "A"}},
      {"emptying makes an empty Slot 0 once", false, 15, {"text", nullptr, nullptr}, {"text", "-"}},
      {"the empty Slot 0 is reused", false, 15, {"text", nullptr, "next"}, {"text", "next"}},
      {"equal content after an empty clipboard: the previous slot is the clipboard",
       true,
       15,
       {"same", nullptr, "same"},
       {"same"}},
      {"trimmed to count plus one", false, 1, {"a", "b", "c", "d"}, {"c", "d"}},
  };
  for (const auto& c : cases) {
    ModelFixture f;
    f.core->options.nodouble = c.nodouble;
    f.core->options.count = c.count;
    for (const char* step : c.steps) {
      if (step) {
        f.Copy(step);
      } else {
        f.clipboard.ClearByOther();
      }
    }
    EXPECT_EQ(f.Texts(), c.texts) << c.name;
  }
}

TEST(ClipMonitor, PrivacyMarkedCopiesAreNotCaptured) {
  ModelFixture f;
  f.Copy("visible");
  for (const char* marker :
       {"Clipboard Viewer Ignore", "ExcludeClipboardContentFromMonitorProcessing"}) {
    uint32_t id = f.clipboard.RegisterFormat(marker);
    f.clipboard.SetByOther({{CF_TEXT, test::Ansi("secret")}, {id, Bytes{1}}});
  }
  uint32_t history = f.clipboard.RegisterFormat("CanIncludeInClipboardHistory");
  f.clipboard.SetByOther({{CF_TEXT, test::Ansi("secret")}, {history, Bytes{0, 0, 0, 0}}});
  EXPECT_EQ(f.Texts(), (Texts{"visible"}));
  f.clipboard.SetByOther({{CF_TEXT, test::Ansi("allowed")}, {history, Bytes{1, 0, 0, 0}}});
  EXPECT_EQ(f.Texts(), (Texts{"visible", "allowed"}));
}

TEST(ClipMonitor, BusyClipboardIsRetriedAndNeverInventsAnEmptySlot) {
  ModelFixture f;
  f.Copy("first");
  f.clipboard.refuseOpens = kOpenAttempts - 1;
  f.Copy("second");
  EXPECT_EQ(f.Texts(), (Texts{"first", "second"})) << "held for a moment: captured";
  EXPECT_GT(f.system.slept, 0u);

  f.clipboard.refuseOpens = kOpenAttempts;
  f.Copy("third");
  EXPECT_EQ(f.Texts(), (Texts{"first", "second"})) << "held through every retry: nothing changes";
  f.core->monitor.InformClipboardChange();  // the next notice finds it free
  EXPECT_EQ(f.Texts(), (Texts{"first", "second", "third"}));
}

TEST(ClipMonitor, AClipboardTooLargeForMemoryLeavesTheHistoryAsItIs) {
  ModelFixture f;
  f.Copy("kept");
  f.clipboard.outOfMemory = true;
  f.Copy("too large");
  EXPECT_EQ(f.Texts(), (Texts{"kept"}));
  EXPECT_FALSE(f.clipboard.IsOpen()) << "the clipboard is closed again";
  f.clipboard.outOfMemory = false;
  f.Copy("next");
  EXPECT_EQ(f.Texts(), (Texts{"kept", "next"}));
}

// A capture that throws half-way (here the renderer) leaves the history as it
// was, and the next change is captured as usual.
TEST(ClipMonitor, AFailingCaptureKeepsMonitoring) {
  ModelFixture f;
  f.Copy("kept");
  f.renderer.fails = true;
  EXPECT_ANY_THROW(f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(8, 8, {})}}));
  EXPECT_FALSE(f.core->capture.IgnoreClipboardChange);
  EXPECT_EQ(f.Texts(), (Texts{"kept"}));
  f.renderer.fails = false;
  f.Copy("next");
  EXPECT_EQ(f.Texts(), (Texts{"kept", "next"}));
}

TEST(ClipMonitor, RepeatedNoticesOfOneChangeMakeOneSlot) {
  ModelFixture f;
  f.Copy("once");
  f.core->monitor.InformClipboardChange();
  f.core->monitor.InformClipboardChange();
  EXPECT_EQ(f.Texts(), (Texts{"once"}));
}

TEST(ClipMonitor, AChangeDuringACaptureIsNotLost) {
  ModelFixture f;
  f.Copy("before");
  int closes = 0;
  f.clipboard.afterClose = [&] {
    // Another program copies right after our capture read the clipboard; its
    // notice arrives while the capture is still at work and is ignored there.
    if (++closes == 2) f.Copy("during");
  };
  f.Copy("trigger");
  f.clipboard.afterClose = nullptr;
  EXPECT_EQ(f.Texts(), (Texts{"before", "trigger", "during"}));
  int opens = 0;
  f.clipboard.beforeOpen = [&] {
    if (++opens == 2) f.Copy("replaced");  // between the first look and the capture
  };
  f.Copy("overwritten");
  f.clipboard.beforeOpen = nullptr;
  EXPECT_EQ(f.Texts(), (Texts{"before", "trigger", "during", "replaced"}))
      << "content replaced before it could be read is captured once, as what replaced it";
}

TEST(ClipMonitor, IgnoredWhileTheProgramWritesItself) {
  ModelFixture f;
  f.Copy("a");
  {
    OwnClipboardWrite write(f.core->capture, f.system);
    PutTextOnClipboard(f.clipboard, u"own");
  }
  f.core->monitor.InformClipboardChange();  // a late notice of the program's own write
  EXPECT_EQ(f.Texts(), (Texts{"a"}));
}

TEST(ClipMonitor, CopySoundPlaysForCopiesOnly) {
  ModelFixture f;
  auto wav = f.root / "copy.wav";
  ASSERT_TRUE(WriteWholeFile(wav, Bytes(44, 1)));
  f.core->options.playsound = true;
  f.core->options.sound = wav.string();
  f.core->LoadCopySound();
  ASSERT_TRUE(f.core->copySound.Loaded());
  f.Copy("a");
  EXPECT_EQ(f.sound.played.size(), 1u);
  f.core->commands.PutSlotOnClipboard(0);  // writes the clipboard to be captured, silently
  EXPECT_EQ(f.sound.played.size(), 1u);
  EXPECT_EQ(f.Texts(), (Texts{"a", "a"}));
  // A notice of the program's own write that arrives late stays silent too.
  f.clipboard.onChange = nullptr;
  f.core->commands.PutSlotOnClipboard(0);
  f.clipboard.onChange = [&f] { f.core->monitor.InformClipboardChange(); };
  f.core->monitor.InformClipboardChange();
  EXPECT_EQ(f.sound.played.size(), 1u);
  f.core->monitor.MultipleClip(true);  // no actions: no sound
  EXPECT_EQ(f.sound.played.size(), 1u);
  // Reloading drops the program's reference; the player keeps its own.
  f.core->options.sound = (f.root / "missing.wav").string();
  f.core->LoadCopySound();
  EXPECT_FALSE(f.core->copySound.Loaded());
  EXPECT_EQ(f.sound.played[0]->size(), 44u);
}

TEST(ClipMonitor, ActionsRunForNewSlotsOnly) {
  ModelFixture f;
  std::vector<size_t> actions;
  f.core->monitor.onNewSlotActions = [&](size_t i) { actions.push_back(i); };
  f.Copy("a");
  f.core->options.nodouble = true;
  f.Copy("a");
  f.clipboard.ClearByOther();
  f.clipboard.onChange = nullptr;
  f.Copy("at start-up");
  f.core->monitor.MultipleClip(true);
  EXPECT_EQ(f.Texts(), (Texts{"a", "at start-up"})) << "into the empty Slot 0";
  EXPECT_EQ(actions, (std::vector<size_t>{0})) << "neither repeats nor start-up captures act";
}

}  // namespace
}  // namespace qv
