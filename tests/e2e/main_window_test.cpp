// The visible main window: size by rows, the slot views' display kinds,
// scrolling, hiding, the tray icon's clicks and menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

// The text of slot view `panel`, counted from the top; the views' window
// texts say what they show ("Text: preview").
std::string SlotText(HWND main, size_t panel) {
  const std::vector<HWND> slots = SlotViews(main);
  if (panel >= slots.size()) return "<no slot>";
  wchar_t text[512] = L"";
  GetWindowTextW(slots[panel], text, 512);
  std::string out;
  for (const wchar_t* p = text; *p; ++p) out.push_back(*p < 128 ? static_cast<char>(*p) : '?');
  return out;
}

int ClientHeight(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r.bottom;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDataFolder();
    EmptyTheClipboardNow();
    WriteOptions("[main]\r\nminimized=0\r\nalign=2\r\nleft=60\r\ntop=40\r\n[slots]\r\npage=3\r\n");
  }
  static void Copy(Quorvane& app, const std::string& text) {
    ASSERT_TRUE(PutText(text));
    ASSERT_TRUE(SyncWith(app.Window()));
  }
};

TEST_F(MainWindow, AppearsAtItsPlaceSizedByRows) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  RECT window{}, client{};
  GetWindowRect(app.Window(), &window);
  GetClientRect(app.Window(), &client);
  EXPECT_EQ(window.left, 60);
  EXPECT_EQ(window.top, 40);
  EXPECT_EQ(client.right, 294);
  EXPECT_EQ(client.bottom, 97 + 58) << "one row while no slot is saved";
  for (const char* text : {"one", "two", "three"}) Copy(app, text);
  EXPECT_EQ(ClientHeight(app.Window()), 97 + 58 * 2) << "two saved slots: two rows";
  Screenshot(app.Window(), "main_window_text.bmp");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, EachContentGetsItsDisplayKind) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(SlotText(app.Window(), 0), "Empty clipboard");
  EXPECT_EQ(SlotText(app.Window(), 1), "Empty slot");
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
    EXPECT_EQ(SlotText(app.Window(), 0).substr(0, c.shown.size()), c.shown) << c.name;
    EXPECT_EQ(SlotText(app.Window(), 1).substr(0, previous.size()), previous) << c.name;
    Screenshot(app.Window(), (std::string("kind_") + c.name + ".bmp").c_str());
    previous = c.shown;
  }
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, WheelAndScrollBarMoveTheRows) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  for (int i = 1; i <= 8; ++i) Copy(app, "row " + std::to_string(i));
  // Newest first: Slot0 is row 8, the three rows show 7, 6, 5.
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 7");
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 6") << "one row per notch towards the oldest";
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 7");
  HWND bar = FindWindowExW(app.Window(), nullptr, L"SCROLLBAR", nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(IsWindowEnabled(bar));
  SendMessageW(app.Window(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SlotText(app.Window(), 3), "Text: row 1") << "the oldest row at the bottom";
  EXPECT_EQ(SlotText(app.Window(), 0), "Text: row 8") << "the clipboard slot never scrolls";
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
  Copy(app, "while hidden");
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(), std::vector<std::string>{"while hidden"});
}

TEST_F(MainWindow, TrayMenuExitEndsTheProgramWithTheSlotsSaved) {
  WriteOptions("");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Copy(app, "kept");
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  ASSERT_NE(tray, nullptr);
  // The last item of the menu is Exit: Up from no selection reaches it.
  std::thread keys([] {
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); },
              10s);
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
