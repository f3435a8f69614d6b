#include "app/clipboard_watcher_win32.h"

#include <chrono>
#include <optional>

#include "history/chain_watch.h"
#include "history/clipboard_gate.h"
#include "history/clipboard_reading.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/system_win32.h"
#include "util/flag_guard.h"

namespace qv {

struct ClipboardWatcher::Shared {
  std::shared_ptr<ClipboardGate> gate;
  HWND notify;
  UINT message;
  HWND window = nullptr;  // set by the thread before it reports started
};

namespace {

constexpr wchar_t kClassName[] = L"QuorvaneClipboardWatch";
constexpr UINT kMsgStop = WM_APP + 1;
constexpr UINT_PTR kChainTimer = 1;
constexpr UINT kChainTimerInterval = 250;
// How long the exit waits for the thread.
constexpr auto kStopPatience = std::chrono::seconds(2);

// What the thread keeps while it runs.
struct Watch {
  explicit Watch(ClipboardWatcher::Shared& shared)
      : shared(shared), reader(clipboard, system, *shared.gate) {}
  ClipboardWatcher::Shared& shared;
  win32::Win32Clipboard clipboard;
  win32::Win32System system;
  ClipboardReader reader;
  ChainWatch chainWatch;
  HWND nextViewer = nullptr;
  bool inChain = false;
  bool inDrawClipboard = false;
};

// Passes a chain message on without waiting long for the next viewer: one
// that hangs, or whose thread waits for this one, must not stop the watch.
void PassOn(HWND next, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(next, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, 1000,
                      &ignored);
}

void Join(Watch& watch, HWND window) {
  SetLastError(0);
  watch.nextViewer = SetClipboardViewer(window);
  watch.inChain = watch.nextViewer != nullptr || GetLastError() == 0;
}

void Leave(Watch& watch, HWND window) {
  if (!watch.inChain) return;
  ChangeClipboardChain(window, watch.nextViewer);
  watch.inChain = false;
}

void OnDrawClipboard(Watch& watch) {
  // A chain that leads back here (a viewer rejoined in front of one that
  // still names this window as its next) would pass the notice round forever.
  if (watch.inDrawClipboard) return;
  FlagGuard inside(watch.inDrawClipboard);
  // Sent without waiting: the window takes it before its posted messages, in
  // the order of the messages sent to it.
  if (watch.reader.OnNotice() > 0)
    SendNotifyMessageW(watch.shared.notify, watch.shared.message, 0, 0);
  watch.chainWatch.NoticeHandled(watch.clipboard.SequenceNumber());
  // The next viewer always hears of the change, whatever the reading did.
  if (watch.nextViewer) PassOn(watch.nextViewer, WM_DRAWCLIPBOARD, 0, 0);
}

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* watch = reinterpret_cast<Watch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!watch) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard(*watch);
      return 0;
    case WM_CHANGECBCHAIN: {
      auto removed = reinterpret_cast<HWND>(wParam);
      if (removed == watch->nextViewer)
        watch->nextViewer = reinterpret_cast<HWND>(lParam);
      else if (watch->nextViewer)
        PassOn(watch->nextViewer, WM_CHANGECBCHAIN, wParam, lParam);
      return 0;
    }
    case WM_TIMER:
      // Another program broke the chain: rejoin, and the notice of joining
      // reads the change that was missed.
      if (wParam == kChainTimer && watch->inChain &&
          watch->chainWatch.ChainBroken(watch->clipboard.SequenceNumber(), GetTickCount())) {
        Leave(*watch, window);
        Join(*watch, window);
      }
      return 0;
    case kMsgStop:
      KillTimer(window, kChainTimer);
      Leave(*watch, window);
      DestroyWindow(window);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void RegisterWatchClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WatchProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
}

void Run(std::shared_ptr<ClipboardWatcher::Shared> shared, std::promise<bool> started) {
  RegisterWatchClass();
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    started.set_value(false);
    return;
  }
  Watch watch(*shared);
  watch.clipboard.SetOwnerWindow(window);
  shared->window = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&watch));
  Join(watch, window);
  SetTimer(window, kChainTimer, kChainTimerInterval, nullptr);
  started.set_value(true);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (IsWindow(window)) {
    Leave(watch, window);
    DestroyWindow(window);
  }
}

}  // namespace

ClipboardWatcher::ClipboardWatcher(std::shared_ptr<ClipboardGate> gate, HWND notify, UINT message)
    : shared_(std::make_shared<Shared>(Shared{std::move(gate), notify, message})) {}

ClipboardWatcher::~ClipboardWatcher() {
  Stop();
}

bool ClipboardWatcher::Start() {
  if (thread_.joinable()) return true;
  std::promise<bool> started;
  std::future<bool> ready = started.get_future();
  std::packaged_task<void(std::shared_ptr<Shared>, std::promise<bool>)> task(Run);
  finished_ = task.get_future();
  thread_ = std::thread(std::move(task), shared_, std::move(started));
  if (!ready.get()) {
    thread_.join();
    return false;
  }
  return true;
}

void ClipboardWatcher::Stop() {
  if (!thread_.joinable()) return;
  PostMessageW(shared_->window, kMsgStop, 0, 0);
  if (finished_.wait_for(kStopPatience) == std::future_status::ready)
    thread_.join();
  else
    thread_.detach();
}

}  // namespace qv
