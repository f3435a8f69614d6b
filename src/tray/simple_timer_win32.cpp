#include "tray/simple_timer_win32.h"

#include <unordered_set>

#include "platform/win32/window_handles_win32.h"

namespace qv {

// The hidden window all simple timers share, and the timers that live.
class SimpleTimerWindow {
 public:
  static HWND Attach(TSimpleTimer* timer) {
    if (timers_.empty()) Create();
    timers_.insert(timer);
    return window_.Get();
  }
  static void Detach(TSimpleTimer* timer) {
    timers_.erase(timer);
    if (timers_.empty()) window_.Reset();
  }
  static HWND Handle() { return window_.Get(); }

 private:
  static constexpr const wchar_t* kClassName = L"QuorvaneSimpleTimer";

  static void Create() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (!win32::RegisterWindowClass(wc)) return;
    window_.Reset(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr));
  }

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
      // A tick already queued for a timer that has gone since is dropped.
      auto* timer = reinterpret_cast<TSimpleTimer*>(wParam);
      if (timers_.contains(timer)) timer->Fire();
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  static inline win32::Window window_;
  static inline std::unordered_set<TSimpleTimer*> timers_;
};

TSimpleTimer::TSimpleTimer(Callback onTimer, UINT intervalMs, bool enabled)
    : onTimer_(std::move(onTimer)), interval_(intervalMs), enabled_(enabled) {
  SimpleTimerWindow::Attach(this);
  Restart();
}

TSimpleTimer::~TSimpleTimer() {
  enabled_ = false;
  Restart();
  SimpleTimerWindow::Detach(this);
}

void TSimpleTimer::SetInterval(UINT intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  Restart();
}

void TSimpleTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

HWND TSimpleTimer::SharedWindow() {
  return SimpleTimerWindow::Handle();
}

void TSimpleTimer::Restart() {
  HWND window = SimpleTimerWindow::Handle();
  auto id = reinterpret_cast<UINT_PTR>(this);
  if (running_ && window) KillTimer(window, id);
  running_ = false;
  if (enabled_ && interval_ > 0 && window) running_ = SetTimer(window, id, interval_, nullptr) != 0;
}

void TSimpleTimer::Fire() {
  // The callback may destroy this timer: it runs from a copy, and nothing of
  // the object is touched afterwards.
  Callback callback = onTimer_;
  if (callback) callback();
}

}  // namespace qv
