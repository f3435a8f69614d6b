// The settings dialog, the quick settings menu and starting with the system,
// through the real program.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"
#include "ui/command_ids.h"
#include "ui/param_form_win32.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;
using Form = TParamForm;

// A click that may open a message box: posted, so this thread never waits on it.
void Click(HWND dialog, int id) {
  PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
  SyncWith(dialog);
}

bool Hidden(HWND dialog) {
  return WaitUntil([&] { return !IsWindowVisible(dialog); }, 5s);
}

int Position(HWND dialog, int upDown) {
  return static_cast<int>(SendMessageW(GetDlgItem(dialog, upDown), UDM_GETPOS32, 0, 0));
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The autostart value in the per-machine or the per-user list, or "".
std::wstring AutostartValue() {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
      continue;
    wchar_t data[MAX_PATH * 2] = L"";
    DWORD size = sizeof(data) - sizeof(wchar_t), type = 0;
    const LONG result =
        RegQueryValueExW(key, L"Quorvane", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (result == ERROR_SUCCESS) return data;
  }
  return L"";
}

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { FreshStart("[main]\r\nminimized=0\r\nalign=2\r\nleft=40\r\ntop=40\r\n"); }
};

TEST_F(Settings, F9OpensItAndCancelOrTheCloseBoxLeaveTheSlotCount) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  HWND dialog = OpenSettingsWithF9(app);
  ASSERT_TRUE(dialog);
  for (int page = 0; page < kParamPageCount; ++page) {
    Click(dialog, Form::kSbItem1 + page);
    Screenshot(dialog, ("settings_page_" + std::to_string(page + 1) + ".bmp").c_str());
  }
  Click(dialog, Form::kSbItem1 + 1);
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Cancel");
    ASSERT_EQ(Position(dialog, Form::kUdSlotsCount), 15);
    SendMessageW(GetDlgItem(dialog, Form::kUdSlotsCount), UDM_SETPOS32, 0, 40);
    if (closeBox)
      PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
      Click(dialog, Form::kBtCancel);
    ASSERT_TRUE(Hidden(dialog));
    EXPECT_EQ(ReadOption("slots", "count"), "");
    ASSERT_EQ(OpenSettingsWithF9(app), dialog);
    EXPECT_EQ(Position(dialog, Form::kUdSlotsCount), 15);
  }
  EXPECT_TRUE(app.Exit());
}

TEST_F(Settings, ApplyChangesTheTransparencyAtOnceAndStaysOpen) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  HWND dialog = OpenSettingsWithF9(app);
  ASSERT_TRUE(dialog);
  SendMessageW(GetDlgItem(dialog, Form::kUdTransparent), UDM_SETPOS32, 0, 50);
  Click(dialog, Form::kBtApply);
  BYTE alpha = 0;
  DWORD flags = 0;
  EXPECT_TRUE(WaitUntil(
      [&] {
        return GetLayeredWindowAttributes(app.Window(), nullptr, &alpha, &flags) && alpha == 127;
      },
      5s))
      << int(alpha);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(ReadOption("main", "transparent"), "50");
  EXPECT_TRUE(app.Exit());
}

TEST_F(Settings, AHotkeyMadeInTheEditorIsRegisteredAtOnceAndOutlivesCancel) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  HWND dialog = OpenSettingsWithF9(app);
  ASSERT_TRUE(dialog);
  Click(dialog, Form::kSbItem1 + 5);
  HWND tree = GetDlgItem(dialog, Form::kTvHot);
  HWND list = GetDlgItem(dialog, Form::kLsHot);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4) << "the four group headers";
  // "Show the main window": the first operation of the first group.
  const auto main = TreeView_GetRoot(tree);
  ASSERT_TRUE(main);
  TreeView_SelectItem(tree, TreeView_GetChild(tree, main));
  SendMessageW(GetDlgItem(dialog, Form::kCmHot), CB_SETCURSEL, 0, 0);  // Ctrl + Alt
  SendMessageW(GetDlgItem(dialog, Form::kHkHot), HKM_SETHOTKEY, MAKEWORD(VK_F8, 0), 0);
  Click(dialog, Form::kBtAddHot);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 5; }, 5s));
  Screenshot(dialog, "settings_hotkey_added.bmp");
  EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, VK_F8))
      << "the program holds the combination";
  EXPECT_EQ(ReadOption("hotkeys", "window.show"), "Ctrl+Alt+F8");
  Click(dialog, Form::kBtCancel);
  ASSERT_TRUE(Hidden(dialog));
  EXPECT_FALSE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, VK_F8)) << "kept after Cancel";
  EXPECT_EQ(ReadOption("hotkeys", "window.show"), "Ctrl+Alt+F8");
  EXPECT_TRUE(app.Exit());
  UnregisterHotKey(nullptr, 7);
}

TEST_F(Settings, AlignToTheTopFromTheQuickSettingsMenu) {
  WriteOptions("[main]\r\nminimized=0\r\nalign=3\r\nleft=60\r\ntop=400\r\nheight=155\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(CopyTexts(app.Window(), {"one", "two", "three"}));
  const RECT bottomFixed = WindowRect(app.Window());
  EXPECT_EQ(bottomFixed.top, 400 - 58) << "a second row grows the window upwards";
  // fbFast, the second toolbar button: its menu, then the second item.
  HWND menu = OpenToolMenu(app.Window(), 2 + 28);
  ASSERT_TRUE(menu);
  for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) PostMessageW(menu, WM_KEYDOWN, key, 1);
  ASSERT_TRUE(WaitUntil([] { return ReadOption("main", "align") == "2"; }, 5s));
  ASSERT_TRUE(CopyTexts(app.Window(), {"four"}));
  const RECT topFixed = WindowRect(app.Window());
  EXPECT_EQ(topFixed.top, bottomFixed.top) << "the top edge stays";
  EXPECT_EQ(topFixed.bottom, bottomFixed.bottom + 58) << "a third row grows it downwards";
  EXPECT_TRUE(app.Exit());
  EXPECT_EQ(ReadOption("main", "align"), "2");
}

TEST_F(Settings, StartAutomaticallyWritesAndRemovesTheAutostartValue) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_EQ(AutostartValue(), L"") << "the option is off: every start removes the value";
  for (const bool on : {true, false}) {
    HWND dialog = OpenSettingsWithF9(app);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(dialog, Form::kCbAutoran)));
    ASSERT_EQ(Checked(dialog, Form::kCbAutoran), !on);
    Click(dialog, Form::kCbAutoran);
    Click(dialog, Form::kBtOk);
    ASSERT_TRUE(Hidden(dialog));
    // OK hides the dialog first and saves afterwards.
    const std::string expected = on ? "1" : "0";
    EXPECT_TRUE(WaitUntil([&] { return ReadOption("main", "autoran") == expected; }, 5s))
        << ReadOption("main", "autoran");
    std::wstring value;
    const std::wstring exe = (ExeDir() / L"quorvane.exe").wstring();
    EXPECT_TRUE(WaitUntil(
        [&] {
          value = AutostartValue();
          return on ? _wcsicmp(value.c_str(), exe.c_str()) == 0 : value.empty();
        },
        5s))
        << value;
  }
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
