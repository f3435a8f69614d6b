// The tray components inside this process: the shared message timers, and
// the notification-area icon driven through the shell and through the
// callback messages the shell sends to the icon's hidden window. Clicks and
// the menu of the program's own icon are in main_window_test.cpp.
#include <gtest/gtest.h>

#include <memory>

#include "e2e_support.h"
#include "tray/cool_tray_icon_win32.h"
#include "tray/simple_timer_win32.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

// Runs every message already queued for this thread.
void PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Waits until `ticks` ticks of a separate 20 ms timer have run, so the
// message loop has had the time for several 20 ms polls.
bool LetTimersRun(int ticks) {
  int count = 0;
  TSimpleTimer witness([&] { ++count; }, 20, true);
  return WaitUntil([&] { return count >= ticks; }, 10s);
}

// True when the shell holds an icon with this owner window and identifier
// (modifying an icon the shell does not know fails).
bool ShellHasIcon(const NOTIFYICONDATAW& data) {
  NOTIFYICONDATAW probe = data;
  probe.uFlags = NIF_TIP;
  return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

void PostIconMessage(const TCoolTrayIcon& tray, UINT mouseMessage) {
  PostMessageW(tray.Handle(), TCoolTrayIcon::kCallbackMessage, TCoolTrayIcon::kIconId,
               mouseMessage);
}

// A visible icon with a hint, as the program sets it up.
class TrayIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    tray_.SetIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
    tray_.SetHint(L"Quorvane");
    ASSERT_NE(tray_.Handle(), nullptr);
    ASSERT_TRUE(tray_.SetIconVisible(true)) << "NIM_ADD refused";
  }

  TCoolTrayIcon tray_;
};

TEST(TrayTimer, EachTimerTicksAtItsIntervalWhileEnabled) {
  int fast = 0, slow = 0, disabled = 0, zero = 0, restarted = 0;
  TSimpleTimer fastTimer([&] { ++fast; }, 20, true);
  TSimpleTimer slowTimer([&] { ++slow; }, 60000, true);
  TSimpleTimer disabledTimer([&] { ++disabled; }, 20, false);
  TSimpleTimer zeroTimer([&] { ++zero; }, 0, true);
  TSimpleTimer restartedTimer([&] { ++restarted; }, 600000, true);
  restartedTimer.SetInterval(20);  // a running timer restarts on the new interval
  ASSERT_TRUE(WaitUntil([&] { return fast >= 5 && restarted >= 2; }, 5s)) << fast << restarted;
  EXPECT_EQ(slow + disabled + zero, 0);
  fastTimer.SetEnabled(false);
  PumpPending();
  const int stopped = fast;
  ASSERT_TRUE(LetTimersRun(5));
  EXPECT_EQ(fast, stopped);
}

TEST(TrayTimer, ATimerMayDestroyItselfFromItsCallback) {
  auto timer = std::make_unique<TSimpleTimer>();
  int ticks = 0;
  timer->SetOnTimer([&] {
    ++ticks;
    timer.reset();
  });
  timer->SetInterval(20);
  timer->SetEnabled(true);
  ASSERT_TRUE(WaitUntil([&] { return timer == nullptr; }, 5s));
  ASSERT_TRUE(LetTimersRun(3));
  EXPECT_EQ(ticks, 1);
}

TEST_F(TrayIcon, TheShellHoldsTheIconWhileItIsShownAndTheComponentLives) {
  HWND hwnd = tray_.Handle();
  EXPECT_FALSE(IsWindowVisible(hwnd));
  // Top level (a message-only window would miss the TaskbarCreated broadcast).
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  const NOTIFYICONDATAW data = tray_.IconData();
  EXPECT_STREQ(data.szTip, L"Quorvane");
  EXPECT_TRUE(ShellHasIcon(data));
  EXPECT_TRUE(tray_.SetIconVisible(false));
  EXPECT_FALSE(ShellHasIcon(data));
  EXPECT_TRUE(tray_.SetIconVisible(true));
  EXPECT_TRUE(ShellHasIcon(data));

  NOTIFYICONDATAW otherData;
  {
    TCoolTrayIcon other;
    other.SetIcon(tray_.Icon());
    ASSERT_TRUE(other.SetIconVisible(true));
    otherData = other.IconData();
    ASSERT_TRUE(ShellHasIcon(otherData));
  }
  EXPECT_FALSE(ShellHasIcon(otherData)) << "the icon goes with its component";
  EXPECT_FALSE(IsWindow(otherData.hWnd));
  EXPECT_TRUE(ShellHasIcon(data)) << "the other icon is untouched";
}

TEST_F(TrayIcon, ADisabledIconReportsNothing) {
  int events = 0;
  tray_.SetOnMouseDown([&](TrayButton, TrayShiftState) { ++events; });
  tray_.SetOnMouseEnter([&] { ++events; });
  tray_.SetEnabled(false);
  PostIconMessage(tray_, WM_LBUTTONDOWN);
  PostIconMessage(tray_, WM_MOUSEMOVE);
  PumpPending();
  EXPECT_EQ(events, 0);

  tray_.SetEnabled(true);
  PostIconMessage(tray_, WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return events == 1; }, 5s));
}

TEST_F(TrayIcon, EnterOnFirstMoveAndExitSoonAfterThePointerLeaves) {
  int enters = 0;
  int exits = 0;
  tray_.SetOnMouseEnter([&] { ++enters; });
  tray_.SetOnMouseExit([&] { ++exits; });
  // A corner no other scenario puts a window under, so nothing moves the
  // pointer while the test waits.
  ASSERT_TRUE(SetCursorPos(1200, 60));
  ASSERT_TRUE(WaitUntil(
      [] {
        POINT p{};
        return GetCursorPos(&p) && p.x == 1200 && p.y == 60;
      },
      5s));

  PostIconMessage(tray_, WM_MOUSEMOVE);
  ASSERT_TRUE(WaitUntil([&] { return enters == 1; }, 5s));
  PostIconMessage(tray_, WM_MOUSEMOVE);
  PumpPending();
  EXPECT_EQ(enters, 1) << "a second move over the icon is no new enter";

  // Still on the icon: several exit polls pass without an exit.
  ASSERT_TRUE(LetTimersRun(10));
  EXPECT_EQ(exits, 0);

  ASSERT_TRUE(SetCursorPos(1240, 90));
  ASSERT_TRUE(WaitUntil([&] { return exits == 1; }, 5s));
  ASSERT_TRUE(LetTimersRun(5));
  EXPECT_EQ(exits, 1) << "one exit only";

  PostIconMessage(tray_, WM_MOUSEMOVE);
  EXPECT_TRUE(WaitUntil([&] { return enters == 2; }, 5s)) << "back over the icon";
}

TEST_F(TrayIcon, TaskbarCreatedAddsAVisibleIconAgain) {
  NOTIFYICONDATAW data = tray_.IconData();
  // The shell forgets the icon, as after a restart of the taskbar.
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(ShellHasIcon(data));
  PostMessageW(tray_.Handle(), TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(data); }, 5s));
  tray_.SetIconVisible(false);
  PostMessageW(tray_.Handle(), TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
  PumpPending();
  EXPECT_FALSE(ShellHasIcon(data)) << "a hidden icon stays hidden";
}

TEST_F(TrayIcon, HiddenWindowRefusesToEndTheProgram) {
  HWND hwnd = tray_.Handle();
  EXPECT_EQ(SendMessageW(hwnd, WM_QUERYENDSESSION, 0, 0), 1);
  EXPECT_EQ(SendMessageW(hwnd, WM_ENDSESSION, TRUE, 0), 1);
  EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 1);
  EXPECT_EQ(SendMessageW(hwnd, WM_QUIT, 0, 0), 1);
  EXPECT_TRUE(IsWindow(hwnd));
  // No WM_QUIT was posted to this thread.
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
  EXPECT_TRUE(ShellHasIcon(tray_.IconData()));
}

}  // namespace
}  // namespace qv::e2e
