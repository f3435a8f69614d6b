#pragma once
// A message timer of the user-interface thread with a callback. All simple
// timers share one hidden message window, created with the first timer and
// destroyed with the last; the timer's identifier on that window is the timer
// object itself.
#include <windows.h>

#include <functional>

namespace qv {

class TSimpleTimer {
 public:
  using Callback = std::function<void()>;

  // A timer of `intervalMs` milliseconds (0: it never runs), started at once
  // when `enabled`.
  explicit TSimpleTimer(Callback onTimer = {}, UINT intervalMs = 1000, bool enabled = false);
  ~TSimpleTimer();
  // The identifier is the object's address, so a timer stays where it is.
  TSimpleTimer(const TSimpleTimer&) = delete;
  TSimpleTimer& operator=(const TSimpleTimer&) = delete;

  // Changing the interval of a running timer restarts it.
  void SetInterval(UINT intervalMs);
  UINT Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  void SetOnTimer(Callback onTimer) { onTimer_ = std::move(onTimer); }

  // The shared window, or null when no timer exists.
  static HWND SharedWindow();

 private:
  friend class SimpleTimerWindow;
  void Restart();
  void Fire();

  Callback onTimer_;
  UINT interval_;
  bool enabled_;
  bool running_ = false;
};

}  // namespace qv
