#include "paste/paste_slot.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "sim_fixture.h"

namespace qv {
namespace {

using Log = std::vector<std::string>;

struct PasteFixture : test::SimFixture {
  SimDesktop desktop{system};
  PasteResult Paste(size_t index) { return PasteSlot(slots, index, {clipboard, system, desktop}); }
  PasteFixture() {
    CopyText("older");
    CopyText("clipboard");
  }
};

const Log kCtrlV = {"down 17", "down 86", "up 86", "up 17"};

TEST(PasteSlot, IntoTheApplicationInFront) {
  PasteFixture f;
  EXPECT_EQ(f.Paste(0), PasteResult::kPasted);
  EXPECT_EQ(f.ClipboardText(), "older");
  EXPECT_EQ(f.desktop.log, (Log{"@200 down 17", "@200 down 86", "@250 up 86", "@250 up 17"}))
      << "no switching; keys after the write's wait";
  EXPECT_EQ(f.system.slept, 350u);
}

TEST(PasteSlot, SlotZeroIsNotWrittenAgain) {
  PasteFixture f;
  f.clipboard.SetByOther({{CF_TEXT, test::Ansi("changed meanwhile")}});
  EXPECT_EQ(f.Paste(1), PasteResult::kPasted);
  EXPECT_EQ(f.ClipboardText(), "changed meanwhile");
  EXPECT_EQ(f.system.slept, 150u);
}

TEST(PasteSlot, FromTheProgramsWindowBringsBackThePreviousApplication) {
  PasteFixture f;
  f.desktop.ownInFront = {true, false};
  EXPECT_EQ(f.Paste(0), PasteResult::kPasted);
  EXPECT_EQ(f.desktop.log, (Log{"@0 not topmost", "@100 previous application", "@300 topmost",
                                "@500 down 17", "@500 down 86", "@550 up 86", "@550 up 17"}));
}

TEST(PasteSlot, AltTabOnlyWhenThePreviousApplicationIsGone) {
  PasteFixture f;
  f.desktop.ownInFront = {true, false};
  f.desktop.previousApplication = false;
  EXPECT_EQ(f.Paste(0), PasteResult::kPasted);
  EXPECT_EQ(f.desktop.log, (Log{"@0 not topmost", "@100 no previous application", "@100 down 18",
                                "@100 down 9", "@150 up 9", "@150 up 18", "@350 topmost",
                                "@550 down 17", "@550 down 86", "@600 up 86", "@600 up 17"}));
}

TEST(PasteSlot, NothingIsWrittenOrSentWhileTheProgramStaysInFront) {
  PasteFixture f;
  f.desktop.ownInFront = {true};
  EXPECT_EQ(f.Paste(0), PasteResult::kNoOtherApplication);
  EXPECT_EQ(f.ClipboardText(), "clipboard");
  EXPECT_EQ(f.desktop.log.back(), "@300 topmost");
  EXPECT_EQ(f.Paste(7), PasteResult::kNothingToPaste);
}

TEST(PasteSlot, KeysWaitForTheHotkeysModifiers) {
  PasteFixture f;
  f.desktop.modifiersReleasedAt = 420;  // released 220 ms after the write's wait
  f.Paste(0);
  EXPECT_EQ(f.desktop.log.front(), "@420 down 17");
  PasteFixture held;
  held.desktop.modifiersReleasedAt = 99999;
  held.Paste(0);
  EXPECT_EQ(held.desktop.log.front(), "@1200 down 17") << "at most a second, then it goes ahead";
}

}  // namespace
}  // namespace qv
