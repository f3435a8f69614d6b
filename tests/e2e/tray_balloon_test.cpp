// The balloons of the program's tray icon, found as the shell shows them:
// visible tooltip windows with the balloon's text.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

BOOL CALLBACK TakeBalloonText(HWND hwnd, LPARAM param) {
  wchar_t name[32] = L"", text[512] = L"";
  if (!IsWindowVisible(hwnd) || !GetClassNameW(hwnd, name, 32) ||
      std::wstring(name) != L"tooltips_class32")
    return TRUE;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                      nullptr);
  *reinterpret_cast<std::wstring*>(param) += text;
  return TRUE;
}

// The texts of every balloon on the screen now.
std::wstring Balloons() {
  std::wstring texts;
  EnumWindows(TakeBalloonText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

// A first run welcomes the user in the language of the options (from the
// folder beside the program file); resting the pointer on the icon of the
// hidden window then shows the status, leaving the icon takes it away.
TEST(TrayBalloon, FirstRunWelcomeThenTheStatusWhileThePointerRests) {
  FreshStart("[main]\r\nfirstrun=1\r\nlanguage=qv_e2e.lng\r\n[slots]\r\ncount=20\r\n");
  const auto languages = ExeDir() / L"languages";
  std::filesystem::create_directories(languages);
  std::ofstream(languages / L"qv_e2e.lng") << "[MainForm]\nfirstrun1=Willkommen\nfirstrun3=Klick\n";
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(WaitUntil([] { return Balloons().starts_with(L"Willkommen"); }, 15s));
  EXPECT_EQ(Balloons(), L"Willkommen\r\nthe first time. Click this\r\nKlick");
  std::filesystem::remove(languages / L"qv_e2e.lng");
  std::error_code ignored;
  std::filesystem::remove(languages, ignored);  // when nothing else is there

  for (const char* text : {"one", "two"}) ASSERT_TRUE(PutText(text) && SyncWith(app.Window()));
  ASSERT_TRUE(PointerAt(1200, 60));  // where nothing moves it while the pointer rests
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  PostMessageW(tray, WM_USER + 1024, 1, WM_MOUSEMOVE);
  EXPECT_TRUE(WaitUntil([] { return Balloons().starts_with(L"Slots:"); }, 10s));
  EXPECT_EQ(
      Balloons(),
      L"Slots: 1 of 20\r\nThe clipboard is not empty\r\n\r\nURL action: No\r\nMail action: No");
  ASSERT_TRUE(PointerAt(1240, 90));
  EXPECT_TRUE(WaitUntil([] { return Balloons().empty(); }, 10s)) << "gone with the pointer";
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
