// The visible main window: the slot views' display kinds, scrolling, hiding,
// the tray icon's clicks and menu. Its place and its height by rows at start
// are in startup_test.cpp, growing by rows in settings_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshStart("[main]\r\nminimized=0\r\nalign=2\r\nleft=60\r\ntop=40\r\n[slots]\r\npage=3\r\n");
  }
};

TEST_F(MainWindow, EachContentGetsItsDisplayKind) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(SlotViewText(app.Window(), 0), "Empty clipboard");
  EXPECT_EQ(SlotViewText(app.Window(), 1), "Empty slot");
  const struct {
    const char* name;
    std::vector<Format> formats;
    std::string shown;
  } cases[] = {
      {"text", {Text("plain words")}, "Text: plain words"},
      {"picture", {Dib(40, 30)}, "Picture"},
      {"files", {Files({"C:\\windows\\win.ini", "C:\\windows"})}, "Files: C:\\windows\\win.ini"},
      {"binary", {Registered(L"Quorvane Test Binary", {1, 2, 3, 0, 5})}, "Binary data"},
      {"empty", {}, "Empty clipboard"},
  };
  std::string previous = "Empty slot";
  for (const auto& c : cases) {
    ASSERT_TRUE(Put(c.formats));
    ASSERT_TRUE(SyncWith(app.Window()));
    EXPECT_EQ(SlotViewText(app.Window(), 0).substr(0, c.shown.size()), c.shown) << c.name;
    EXPECT_EQ(SlotViewText(app.Window(), 1).substr(0, previous.size()), previous) << c.name;
    Screenshot(app.Window(), (std::string("kind_") + c.name + ".bmp").c_str());
    previous = c.shown;
  }
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, WheelAndScrollBarMoveTheRows) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  for (int i = 1; i <= 8; ++i) ASSERT_TRUE(CopyTexts(app.Window(), {"row " + std::to_string(i)}));
  // Newest first: Slot0 is row 8, the three rows show 7, 6, 5.
  EXPECT_EQ(SlotViewText(app.Window(), 1), "Text: row 7");
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SlotViewText(app.Window(), 1), "Text: row 6") << "one row per notch towards the oldest";
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(SlotViewText(app.Window(), 1), "Text: row 7");
  HWND bar = FindWindowExW(app.Window(), nullptr, L"SCROLLBAR", nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(IsWindowEnabled(bar));
  SendMessageW(app.Window(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SlotViewText(app.Window(), 3), "Text: row 1") << "the oldest row at the bottom";
  EXPECT_EQ(SlotViewText(app.Window(), 0), "Text: row 8") << "the clipboard slot never scrolls";
  Screenshot(app.Window(), "scrolled.bmp");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, AutoHideHidesTheWindowWhenAnotherWindowIsActivated) {
  WriteOptions("[main]\r\nminimized=0\r\nautohide=1\r\nalign=2\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  // Another application comes to the front: the window hears it is
  // deactivated (sent directly, since which process may take the foreground
  // depends on what ran before).
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(app.Window(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); }));
  DestroyWindow(other);
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, TrayClickShowsAndHidesTheWindowAndCapturingGoesOnWhileHidden) {
  WriteOptions("[main]\r\nalign=2\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_FALSE(IsWindowVisible(app.Window())) << "minimized by default";
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  ASSERT_NE(tray, nullptr);
  PostMessageW(tray, WM_USER + 1024, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  PostMessageW(tray, WM_USER + 1024, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); }));
  PostMessageW(tray, WM_USER + 1024, 1, WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  PostMessageW(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); })) << "close only hides";
  ASSERT_TRUE(CopyTexts(app.Window(), {"while hidden"}));
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(), std::vector<std::string>{"while hidden"});
}

TEST_F(MainWindow, TrayMenuExitEndsTheProgramWithTheSlotsSaved) {
  WriteOptions("");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(CopyTexts(app.Window(), {"kept"}));
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  ASSERT_NE(tray, nullptr);
  // The last item of the menu is Exit: Up from no selection reaches it.
  std::thread keys([] {
    HWND menu = WaitForPopupMenu();
    if (!menu) return;
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 1);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
  });
  PostMessageW(tray, WM_USER + 1024, 1, WM_RBUTTONDOWN);
  keys.join();
  EXPECT_TRUE(app.process().WaitExit(20s));
  EXPECT_EQ(StoredTexts(), std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace qv::e2e
