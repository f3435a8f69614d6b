// The main window in the clipboard viewer chain.
#include "app/main_form_win32.h"

#include "actions/address_actions.h"
#include "util/flag_guard.h"

namespace qv {

namespace {

// Passes a chain message on without waiting long for the next viewer: one
// that hangs, or whose thread waits for this one, must not freeze the window.
void PassOn(HWND next, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(next, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, 1000,
                      &ignored);
}

}  // namespace

void TMainForm::JoinClipboardChain() {
  // Joining sends a WM_DRAWCLIPBOARD at once; IgnoreClipboardChange is set by
  // the caller so that notice captures nothing.
  SetLastError(0);
  NextViewer = SetClipboardViewer(hwnd_);
  inChain_ = NextViewer != nullptr || GetLastError() == 0;
}

void TMainForm::LeaveClipboardChain() {
  if (!inChain_) return;
  ChangeClipboardChain(hwnd_, NextViewer);
  inChain_ = false;
}

void TMainForm::OnChangeCbChain(HWND removed, HWND next) {
  if (removed == NextViewer)
    NextViewer = next;
  else if (NextViewer)
    PassOn(NextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed),
           reinterpret_cast<LPARAM>(next));
}

void TMainForm::OnDrawClipboard() {
  // A chain that leads back here (a viewer rejoined in front of one that
  // still names this window as its next) would pass the notice round forever.
  if (inDrawClipboard_) return;
  FlagGuard inside(inDrawClipboard_);
  InformClipboardChange();
  chainWatch_.NoticeHandled(clipboard_.SequenceNumber());
  // The next viewer always hears of the change, whatever the capture did.
  if (NextViewer) PassOn(NextViewer, WM_DRAWCLIPBOARD, 0, 0);
}

void TMainForm::WatchClipboardChain() {
  if (shutDown_ || !inChain_) return;
  if (!chainWatch_.ChainBroken(clipboard_.SequenceNumber(), GetTickCount())) return;
  LeaveClipboardChain();
  JoinClipboardChain();
}

void TMainForm::InformClipboardChange() {
  if (core_) core_->monitor.InformClipboardChange();
}

void TMainForm::DoActions(size_t index) {
  const Options& o = core_->options;
  qv::DoActions(core_->list.Slots, index, {o.url, o.mail}, shell_);
}

}  // namespace qv
