// Pasting into another application: the program brings back the application
// the user was in and presses Ctrl+V there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "keyboard_input.h"
#include "paste_target_window.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

class Paste : public ::testing::Test {
 protected:
  void SetUp() override { FreshStart("[main]\r\nminimized=0\r\n"); }
  // alpha, beta and gamma copied while the target is in front; then the user
  // switches to the program's window.
  static void CopyThreeAndActivate(Quorvane& app) {
    ASSERT_TRUE(CopyTexts(app.Window(), {"alpha", "beta", "gamma"}));
    ASSERT_TRUE(BringToFront(app.Window()));
  }
  static void Key(Quorvane& app, UINT key) {
    PostMessageW(app.Window(), WM_KEYDOWN, key, 1);
    SyncWith(app.Window());
  }
};

TEST_F(Paste, EnterPastesTheFocusedSlotIntoTheApplicationThatWasInFront) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Target target;
  ASSERT_TRUE(target.edit);
  CopyThreeAndActivate(app);
  Key(app, VK_UP);  // from no focus to the bottom of the list: alpha
  Key(app, VK_UP);  // beta
  Key(app, VK_RETURN);
  EXPECT_TRUE(target.Shows("beta")) << target.Text();
  EXPECT_EQ(GetForegroundWindow(), target.window);
  EXPECT_EQ(ClipboardText(), "beta") << "the pasted slot is the clipboard now";
}

TEST_F(Paste, ADoubleClickPastesTheSlot) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Target target;
  ASSERT_TRUE(target.edit);
  CopyThreeAndActivate(app);
  // Newest first: Slot0 gamma, then beta, then alpha.
  ASSERT_EQ(SlotViewText(app.Window(), 2), "Text: alpha");
  PostMessageW(SlotViews(app.Window())[2], WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 20));
  SyncWith(app.Window());
  EXPECT_TRUE(target.Shows("alpha")) << target.Text();
}

}  // namespace
}  // namespace qv::e2e

namespace qv::e2e {
namespace {

class Hotkeys : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshStart(
        "[main]\r\nminimized=1\r\n[hotkeys]\r\nwindow.show=Ctrl+Alt+F12\r\n"
        "paste.slot1=Ctrl+Alt+F11\r\n");
  }
};

// Registered at start (the key works), released at exit.
TEST_F(Hotkeys, WindowShowShowsTheWindowAndExitReleasesTheKey) {
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_FALSE(IsWindowVisible(app.Window()));
    PressKeys({VK_CONTROL, VK_MENU}, VK_F12);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }, 5s));
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, VK_F12)) << "released at exit";
  UnregisterHotKey(nullptr, 7);
}

TEST_F(Hotkeys, PasteFromAHotkeyGoesStraightIntoTheApplicationInFront) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Target target;
  ASSERT_TRUE(target.edit);
  ASSERT_TRUE(CopyTexts(app.Window(), {"alpha", "beta"}));
  const auto start = std::chrono::steady_clock::now();
  PressKeys({VK_CONTROL, VK_MENU}, VK_F11);
  EXPECT_TRUE(target.Shows("alpha")) << target.Text();
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  RecordProperty("hotkey_to_text_ms", static_cast<int>(ms));
  std::printf("hotkey to pasted text: %lld ms\n", static_cast<long long>(ms));
  EXPECT_FALSE(IsWindowVisible(app.Window())) << "the main window never came up";
  EXPECT_EQ(GetForegroundWindow(), target.window);
}

}  // namespace
}  // namespace qv::e2e
