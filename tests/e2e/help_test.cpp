// The manual opened by F1, the program run from its download, and the menus
// in the program's own look.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

// The window class of the HTML Help viewer's frame.
constexpr const wchar_t* kHelpWindowClass = L"HH Parent";

HWND HelpWindow(DWORD pid) {
  return FindProcessWindow(pid, kHelpWindowClass);
}

int Count(const Bitmap32& shot, uint32_t colour) {
  int n = 0;
  for (uint32_t p : shot.pixels) n += (p & 0xFFFFFF) == colour;
  return n;
}

// The menu's picture once its items' texts are painted.
Bitmap32 PaintedMenu(HWND menu) {
  Bitmap32 shot;
  WaitUntil(
      [&] {
        // Painted: some black text, and most of the window in the menu's
        // own ground (neither the black nor the white of a window not yet
        // drawn).
        shot = CaptureWindow(menu);
        const int black = Count(shot, 0x000000);
        const int white = Count(shot, 0xFFFFFF);
        const int area = shot.width * shot.height;
        return black > 50 && area - black - white > area / 2;
      },
      5s);
  return shot;
}

void CloseMenu(HWND menu) {
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
  WaitUntil([&] { return !IsWindowVisible(menu); }, 5s);
}

class Help : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDataFolder();
    WriteOptions("[main]\r\nminimized=0\r\nalign=2\r\nleft=40\r\ntop=40\r\n");
  }
};

// The folder the test command unpacked the tested build's zip into.
std::filesystem::path PackageFolder() {
  const char* folder = std::getenv("QV_PACKAGE_DIR");
  return folder && *folder ? std::filesystem::path(folder) : std::filesystem::path();
}

TEST_F(Help, FromTheDownloadF1OpensTheManualAndExitClosesIt) {
  const std::filesystem::path folder = PackageFolder();
  if (folder.empty()) GTEST_SKIP() << "QV_PACKAGE_DIR is not set (scripts/test sets it)";
  ASSERT_TRUE(std::filesystem::exists(folder / L"manual.chm"));
  ASSERT_TRUE(std::filesystem::exists(folder / L"qvtool.exe"));
  ASSERT_TRUE(std::filesystem::exists(folder / L"readme.txt"));
  ASSERT_TRUE(std::filesystem::is_directory(folder / L"languages"));

  Quorvane app(folder / L"quorvane.exe");
  ASSERT_TRUE(app.Ready());
  const DWORD pid = app.process().Id();
  EXPECT_EQ(HelpWindow(pid), nullptr);
  PostMessageW(app.Window(), WM_KEYDOWN, VK_F1, 1);
  HWND help = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (help = HelpWindow(pid)) != nullptr; }, 20s))
      << "F1 opened no help window";
  wchar_t title[128] = {};
  GetWindowTextW(help, title, 128);
  EXPECT_EQ(std::wstring(title), L"Quorvane Help");
  Screenshot(help, "help_window.bmp");
  // The main window still answers: nothing waits for the viewer.
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored), 0);
  ASSERT_TRUE(app.Exit());
  EXPECT_FALSE(IsWindow(help));
}

TEST_F(Help, StyledMenusShowTheGutterAndTheTextArea) {
  const struct {
    bool styled;
    const char* fast;
    const char* tray;
  } cases[] = {{true, "help_styled_menu.bmp", "help_tray_menu.bmp"},
               {false, "system_menu.bmp", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.styled ? "stylemenus=1" : "stylemenus=0");
    ResetDataFolder();
    WriteOptions(std::string("[main]\r\nminimized=0\r\nalign=2\r\nleft=40\r\ntop=40\r\n") +
                 "[addition]\r\nstylemenus=" + (c.styled ? "1" : "0") + "\r\n");
    Quorvane app;
    ASSERT_TRUE(app.Ready());

    // fbFast, the second toolbar button, opens the quick settings: radio
    // items and check items. A flat button clicks only with the pointer over it.
    HWND menu = OpenToolMenu(app.Window(), 2 + 28);
    ASSERT_TRUE(menu);
    const Bitmap32 shot = PaintedMenu(menu);
    SaveArtifact(shot, c.fast);
    CloseMenu(menu);
    ASSERT_GT(shot.width, 40);
    // The gutter runs down the left of the menu, the text area fills most of it.
    const int area = shot.width * shot.height;
    const int gutter = Count(shot, 0xE6E6E6);
    const int text = Count(shot, 0xFFFFE1);  // 0xE1FFFF as 0x00BBGGRR
    if (c.styled) {
      EXPECT_GT(gutter, area / 12) << gutter << " of " << area;
      EXPECT_GT(text, area / 3) << text << " of " << area;
    } else {
      EXPECT_LT(gutter, area / 50);
      EXPECT_LT(text, area / 50);
    }

    if (c.tray) {
      HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
      ASSERT_NE(tray, nullptr);
      PostMessageW(tray, WM_USER + 1024, 1, WM_RBUTTONDOWN);
      HWND trayMenu = WaitForPopupMenu();
      ASSERT_TRUE(trayMenu);
      const Bitmap32 trayShot = PaintedMenu(trayMenu);
      SaveArtifact(trayShot, c.tray);
      CloseMenu(trayMenu);
      EXPECT_GT(Count(trayShot, 0xE6E6E6), trayShot.width * trayShot.height / 12);
    }
    ASSERT_TRUE(app.Exit());
  }
}

}  // namespace
}  // namespace qv::e2e
