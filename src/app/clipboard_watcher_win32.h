#pragma once
// Watches the clipboard from a thread of its own. That thread's hidden window
// is the program's place in the clipboard viewer chain: it reads each change
// another program makes and tells the main window that readings wait at the
// gate. An owner that renders its formats slowly, or a next viewer that does
// not answer, then holds up this thread only, never the window, the tray icon
// or the hotkeys.
#include <windows.h>

#include <future>
#include <memory>
#include <thread>

namespace qv {

class ClipboardGate;

class ClipboardWatcher {
 public:
  // `notify` gets `message` posted whenever readings were queued.
  ClipboardWatcher(std::shared_ptr<ClipboardGate> gate, HWND notify, UINT message);
  ~ClipboardWatcher();
  ClipboardWatcher(const ClipboardWatcher&) = delete;
  ClipboardWatcher& operator=(const ClipboardWatcher&) = delete;

  // Starts the thread and waits until it has joined the chain. Joining reads
  // the clipboard once, like any notice.
  bool Start();
  // Leaves the chain and ends the thread. A thread stuck in an owner that
  // never renders is left to the end of the process.
  void Stop();

  // What the thread shares with this object; it outlives a thread left behind.
  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  std::thread thread_;
  std::future<void> finished_;
};

}  // namespace qv
