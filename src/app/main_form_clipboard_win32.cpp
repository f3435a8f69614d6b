// The main window and the clipboard watcher thread.
#include "app/main_form_win32.h"

#include "actions/address_actions.h"

namespace qv {

void TMainForm::StartClipboardWatch() {
  watcher_ =
      std::make_unique<ClipboardWatcher>(core_->capture.SharedGate(), hwnd_, kMsgClipboardRead);
  watcher_->Start();
}

void TMainForm::StopClipboardWatch() {
  if (watcher_) watcher_->Stop();
}

void TMainForm::ApplyClipboardReadings() {
  // While the program ignores changes (its own write, shut-down) the readings
  // wait at the gate; the store timer applies them once it listens again.
  if (core_ && !shutDown_) core_->monitor.ApplyQueuedReadings();
}

void TMainForm::DoActions(size_t index) {
  const Options& o = core_->options;
  qv::DoActions(core_->list.Slots, index, {o.url, o.mail}, shell_);
}

}  // namespace qv
