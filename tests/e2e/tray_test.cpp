// The tray components inside this process: the shared message timers, and
// the notification-area icon driven through the shell and through the
// callback messages the shell sends to the icon's hidden window.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

HWND VisibleMenuWindow() {
  HWND menu = FindWindowW(L"#32768", nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
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

TEST(TrayTimer, FiresRepeatedlyWhileEnabledAndStopsWhenDisabled) {
  int ticks = 0;
  TSimpleTimer timer([&] { ++ticks; }, 20, true);
  ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }, 5s)) << ticks;
  timer.SetEnabled(false);
  PumpPending();
  int stopped = ticks;
  ASSERT_TRUE(LetTimersRun(5));
  EXPECT_EQ(ticks, stopped);
}

TEST(TrayTimer, ADisabledOrZeroIntervalTimerNeverFires) {
  int ticks = 0;
  TSimpleTimer disabled([&] { ++ticks; }, 20, false);
  TSimpleTimer zero([&] { ++ticks; }, 0, true);
  ASSERT_TRUE(LetTimersRun(5));
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(disabled.Interval(), 20u);
  EXPECT_TRUE(zero.Enabled());
}

TEST(TrayTimer, TimersShareOneWindowThatGoesWithTheLastTimer) {
  ASSERT_EQ(TSimpleTimer::SharedWindow(), nullptr) << "a timer outlived its test";
  HWND shared = nullptr;
  {
    TSimpleTimer first;
    shared = TSimpleTimer::SharedWindow();
    ASSERT_NE(shared, nullptr);
    EXPECT_TRUE(IsWindow(shared));
    EXPECT_EQ(first.Interval(), 1000u) << "default interval";
    EXPECT_FALSE(first.Enabled());
    {
      TSimpleTimer second;
      EXPECT_EQ(TSimpleTimer::SharedWindow(), shared);
    }
    EXPECT_EQ(TSimpleTimer::SharedWindow(), shared) << "one timer is left";
    EXPECT_TRUE(IsWindow(shared));
  }
  EXPECT_EQ(TSimpleTimer::SharedWindow(), nullptr);
  EXPECT_FALSE(IsWindow(shared));
}

TEST(TrayTimer, EachTickGoesToItsOwnTimer) {
  int fast = 0;
  int slow = 0;
  TSimpleTimer fastTimer([&] { ++fast; }, 20, true);
  TSimpleTimer slowTimer([&] { ++slow; }, 60000, true);
  ASSERT_TRUE(WaitUntil([&] { return fast >= 5; }, 5s));
  EXPECT_EQ(slow, 0);
}

TEST(TrayTimer, ChangingTheIntervalOfARunningTimerRestartsIt) {
  int ticks = 0;
  TSimpleTimer timer([&] { ++ticks; }, 600000, true);
  timer.SetInterval(20);
  EXPECT_EQ(timer.Interval(), 20u);
  EXPECT_TRUE(WaitUntil([&] { return ticks >= 2; }, 5s)) << "still on the ten-minute interval";
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

TEST_F(TrayIcon, HiddenWindowIsTopLevelAndTheShellHoldsTheIcon) {
  HWND hwnd = tray_.Handle();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  // Top level (a message-only window would miss the TaskbarCreated broadcast).
  EXPECT_EQ(GetAncestor(hwnd, GA_PARENT), GetDesktopWindow());
  // Under Wine the icon lives in Wine's own tray window.
  EXPECT_NE(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr);

  const NOTIFYICONDATAW& data = tray_.IconData();
  EXPECT_EQ(data.hWnd, hwnd);
  EXPECT_EQ(data.uCallbackMessage, static_cast<UINT>(WM_USER + 1024));
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_STREQ(data.szTip, L"Quorvane");
  EXPECT_EQ(data.hIcon, tray_.Icon());
  EXPECT_TRUE(ShellHasIcon(data));
}

TEST_F(TrayIcon, HidingDeletesTheIconAndShowingAddsItAgain) {
  NOTIFYICONDATAW data = tray_.IconData();
  EXPECT_TRUE(tray_.SetIconVisible(false));
  EXPECT_FALSE(ShellHasIcon(data));
  EXPECT_TRUE(tray_.SetIconVisible(true));
  EXPECT_TRUE(ShellHasIcon(data));
}

TEST_F(TrayIcon, TheIconGoesWithTheComponent) {
  NOTIFYICONDATAW data;
  HWND hwnd;
  {
    TCoolTrayIcon other;
    other.SetIcon(tray_.Icon());
    ASSERT_TRUE(other.SetIconVisible(true));
    data = other.IconData();
    hwnd = other.Handle();
    ASSERT_TRUE(ShellHasIcon(data));
  }
  EXPECT_FALSE(ShellHasIcon(data));
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(ShellHasIcon(tray_.IconData())) << "the other icon is untouched";
}

TEST_F(TrayIcon, LongHintIsCutTo127Characters) {
  std::wstring hint(200, L'h');
  tray_.SetHint(hint);
  EXPECT_EQ(std::wstring(tray_.IconData().szTip), hint.substr(0, 127));
  tray_.SetShowHint(false);
  EXPECT_STREQ(tray_.IconData().szTip, L"");
  EXPECT_TRUE(ShellHasIcon(tray_.IconData()));
}

TEST_F(TrayIcon, BalloonTitleAndTextAreCut) {
  std::wstring title;
  for (int i = 0; i < 80; ++i) title += static_cast<wchar_t>(L'A' + i % 26);
  std::wstring text(300, L'x');
  EXPECT_TRUE(tray_.ShowBalloon(title, text, BalloonKind::Warning, 7));
  const NOTIFYICONDATAW& data = tray_.IconData();
  EXPECT_EQ(std::wstring(data.szInfoTitle), title.substr(0, 63));
  EXPECT_EQ(std::wstring(data.szInfo), text.substr(0, 255));
  EXPECT_EQ(data.uTimeout, 7000u);
  EXPECT_EQ(data.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));
  EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP))
      << "flags go back to message, icon and tip";

  EXPECT_TRUE(tray_.HideBalloon());
  EXPECT_STREQ(tray_.IconData().szInfo, L"");
}

TEST_F(TrayIcon, BalloonCutNeverSplitsASurrogatePair) {
  std::wstring title(62, L't');
  title += L"\U0001F600";  // characters 63 and 64
  EXPECT_TRUE(tray_.ShowBalloon(title, L"text", BalloonKind::Info, 1));
  EXPECT_EQ(std::wstring(tray_.IconData().szInfoTitle), std::wstring(62, L't'));
}

TEST_F(TrayIcon, LeftButtonDownIsReported) {
  std::vector<TrayButton> downs;
  tray_.SetOnMouseDown([&](TrayButton button, TrayShiftState) { downs.push_back(button); });
  PostIconMessage(tray_, WM_LBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return !downs.empty(); }, 5s));
  EXPECT_EQ(downs, std::vector<TrayButton>{TrayButton::Left});
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

// Watches, from another thread, for the popup menu to appear; then presses
// the given keys in it. The menu runs modally on the test thread meanwhile.
class MenuWatcher {
 public:
  explicit MenuWatcher(std::vector<WPARAM> keys)
      : thread_([this, keys] {
          HWND menu = nullptr;
          auto deadline = std::chrono::steady_clock::now() + 10s;
          while (!(menu = VisibleMenuWindow()) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
          if (!menu) return;
          RECT rect{};
          GetWindowRect(menu, &rect);
          menuRect_ = rect;
          seen_ = true;
          for (WPARAM key : keys) {
            PostMessageW(menu, WM_KEYDOWN, key, 1);
            PostMessageW(menu, WM_KEYUP, key, 0xC0000001);
          }
        }) {}
  ~MenuWatcher() { Join(); }
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  bool Seen() const { return seen_; }
  RECT MenuRect() const { return menuRect_; }

 private:
  std::atomic<bool> seen_{false};
  RECT menuRect_{};
  std::thread thread_;
};

class TrayIconMenu : public TrayIcon {
 protected:
  void SetUp() override {
    TrayIcon::SetUp();
    menu_ = CreatePopupMenu();
    AppendMenuW(menu_, MF_STRING, 101, L"&First");
    AppendMenuW(menu_, MF_STRING, 102, L"&Second");
    tray_.SetPopupMenu(menu_);
    tray_.SetOnMouseDown([this](TrayButton button, TrayShiftState) { downs_.push_back(button); });
    tray_.SetOnCommand([this](UINT id) { commands_.push_back(id); });
    ASSERT_TRUE(SetCursorPos(300, 250));
  }
  void TearDown() override { DestroyMenu(menu_); }

  HMENU menu_ = nullptr;
  std::vector<TrayButton> downs_;
  std::vector<UINT> commands_;
};

TEST_F(TrayIconMenu, RightButtonOpensTheMenuAtTheCursorAndEscapeClosesIt) {
  MenuWatcher watcher({VK_ESCAPE});
  PostIconMessage(tray_, WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return !downs_.empty(); }, 5s));
  watcher.Join();
  ASSERT_TRUE(watcher.Seen()) << "no popup menu appeared";
  EXPECT_EQ(downs_, std::vector<TrayButton>{TrayButton::Right});
  RECT rect = watcher.MenuRect();
  EXPECT_EQ(rect.left, 300);
  EXPECT_EQ(rect.top, 250);
  EXPECT_TRUE(WaitUntil([] { return VisibleMenuWindow() == nullptr; }, 5s)) << "menu still open";
  EXPECT_TRUE(commands_.empty());
}

// The last WM_COMMAND identifier a command target received.
UINT receivedCommand = 0;

LRESULT CALLBACK CommandTargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) receivedCommand = LOWORD(wParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST_F(TrayIconMenu, TheChosenCommandReachesTheCallbackAndTheTargetWindow) {
  receivedCommand = 0;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = CommandTargetProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QvTrayCommandTarget";
  RegisterClassExW(&wc);
  win32::Window target(CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, wc.hInstance, nullptr));
  ASSERT_TRUE(target);
  tray_.SetCommandTarget(target.Get());

  MenuWatcher watcher({VK_DOWN, VK_DOWN, VK_RETURN});
  PostIconMessage(tray_, WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return !commands_.empty(); }, 10s));
  watcher.Join();
  EXPECT_TRUE(watcher.Seen());
  EXPECT_EQ(commands_, std::vector<UINT>{102});
  EXPECT_TRUE(WaitUntil([] { return receivedCommand == 102; }, 5s));
  EXPECT_TRUE(WaitUntil([] { return VisibleMenuWindow() == nullptr; }, 5s));
}

TEST_F(TrayIcon, NoMenuMeansNoPopup) {
  int downs = 0;
  tray_.SetOnMouseDown([&](TrayButton, TrayShiftState) { ++downs; });
  PostIconMessage(tray_, WM_RBUTTONDOWN);
  ASSERT_TRUE(WaitUntil([&] { return downs == 1; }, 5s));
  EXPECT_EQ(VisibleMenuWindow(), nullptr);
  EXPECT_EQ(tray_.PopupMenuAtCursor(), 0u);
}

TEST_F(TrayIcon, TaskbarCreatedAddsTheIconAgain) {
  NOTIFYICONDATAW data = tray_.IconData();
  // The shell forgets the icon, as after a restart of the taskbar.
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(ShellHasIcon(data));
  PostMessageW(tray_.Handle(), TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(data); }, 5s));
}

TEST_F(TrayIcon, TaskbarCreatedLeavesAHiddenIconHidden) {
  NOTIFYICONDATAW data = tray_.IconData();
  tray_.SetIconVisible(false);
  PostMessageW(tray_.Handle(), TCoolTrayIcon::TaskbarCreatedMessage(), 0, 0);
  PumpPending();
  EXPECT_FALSE(ShellHasIcon(data));
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
