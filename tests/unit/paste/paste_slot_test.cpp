#include "paste/paste_slot.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_desktop.h"
#include "sim_fixture.h"

namespace qv {
namespace {

// Slots "older" and the clipboard's own; Run() gives each step at its time, then the end time.
struct Paste : test::SimFixture {
  SimDesktop desktop{system};
  Paste() {
    CopyText("older");
    CopyText("clipboard");
  }
  std::string Run(size_t index, PasteResult expected = PasteResult::kPasted) {
    EXPECT_EQ(PasteSlot(slots, index, {clipboard, system, desktop}), expected);
    std::string log;
    for (const std::string& line : desktop.log) log += line + "|";
    return log + "@" + std::to_string(system.slept);
  }
};

// The slot is written (not the clipboard's own), then Ctrl+V when the modifiers are up.
TEST(PasteSlot, IntoTheApplicationInFront) {
  Paste f, zero, held, stuck, none;
  EXPECT_EQ(f.Run(0), "@200 down 17|@200 down 86|@250 up 86|@250 up 17|@350");
  EXPECT_EQ(f.ClipboardText(), "older");
  zero.clipboard.SetByOther({{CF_TEXT, test::Ansi("changed meanwhile")}});
  EXPECT_EQ(zero.Run(1), "@0 down 17|@0 down 86|@50 up 86|@50 up 17|@150");
  EXPECT_EQ(zero.ClipboardText(), "changed meanwhile");
  held.desktop.modifiersReleasedAt = 420;
  EXPECT_EQ(held.Run(0), "@420 down 17|@420 down 86|@470 up 86|@470 up 17|@570");
  stuck.desktop.modifiersReleasedAt = 99999;
  EXPECT_EQ(stuck.Run(0), "@1200 down 17|@1200 down 86|@1250 up 86|@1250 up 17|@1350");
  EXPECT_EQ(none.Run(7, PasteResult::kNothingToPaste), "@0");
}

// The user's application comes back first; nothing goes out while the program stays in front.
TEST(PasteSlot, FromTheProgramsWindow) {
  Paste f, stays;
  f.desktop.ownInFront = {true, false};
  EXPECT_EQ(f.Run(0),
            "@0 not topmost|@100 previous application|@300 topmost|@500 down 17|@500 down 86|"
            "@550 up 86|@550 up 17|@650");
  stays.desktop.ownInFront = {true};
  EXPECT_EQ(stays.Run(0, PasteResult::kNoOtherApplication),
            "@0 not topmost|@100 previous application|@300 topmost|@300");
  EXPECT_EQ(stays.ClipboardText(), "clipboard");
}

}  // namespace
}  // namespace qv
