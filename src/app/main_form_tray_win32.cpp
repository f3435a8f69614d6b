// The main window's icon in the notification area: its menu, its tip and
// balloons, and the timers behind them.
#include "app/main_form_win32.h"

#include "platform/win32/wide_win32.h"
#include "settings/language_file.h"
#include "snapshot/clipboard_io.h"
#include "tray/tray_hints.h"
#include "ui/command_ids.h"
#include "util/codepage.h"

namespace qv {

std::filesystem::path ProgramFolder() {
  return win32::ProgramFile().parent_path();
}

void TMainForm::ShowTrayIcon() {
  CoolTray = std::make_unique<TCoolTrayIcon>();
  CoolTray->SetEnabled(false);  // until start-up has finished
  const wchar_t* image = RunningOnWin9x() ? L"TRAY9X" : L"TRAY";
  CoolTray->SetIcon(
      static_cast<HICON>(LoadImageW(instance_, image, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
  CoolTray->SetHint(L"Quorvane");
  SetTrayHintMode();
  CoolTray->SetWantEnterExitEvents(true);
  CoolTray->SetOnMouseDown(
      [this](TrayButton button, TrayShiftState) { CoolTrayMouseDown(button); });
  CoolTray->SetOnMouseEnter([this] { CoolTrayMouseEnter(); });
  CoolTray->SetOnMouseExit([this] { CoolTrayMouseExit(); });
  CoolTray->SetIconVisible(true);
}

void TMainForm::EnableTrayIcon() {
  if (!CoolTray) return;
  pmTray = win32::BuildPopupMenu(Translated(TrayMenu(), "pmTray"));
  CoolTray->SetPopupMenu(pmTray.Get());
  CoolTray->SetCommandTarget(hwnd_);
  CoolTray->SetEnabled(true);
}

void TMainForm::CoolTrayMouseDown(TrayButton button) {
  if (button != TrayButton::Left) return;
  OnCommand(kCmdShowHide);
}

void TMainForm::CreateTrayTimers() {
  stBallon = std::make_unique<TSimpleTimer>([this] { stBallonEvent(); }, kBalloonDelayMs, false);
  stIcon = std::make_unique<TSimpleTimer>([this] { stIconEvent(); }, kIconTimerMs, false);
}

void TMainForm::StartIconTimer() {
  iconCountdown_ = kIconCountdown;
  stIcon->SetEnabled(true);
}

void TMainForm::ReleaseTimers() {
  stBallon.reset();
  stIcon.reset();
}

void TMainForm::SetTrayHintMode() {
  if (!CoolTray || !core_) return;
  const Options& o = core_->options;
  CoolTray->SetShowHint(
      HintShowing(o.ballonHint, o.ballonCondition, IsWindowVisible(hwnd_) != FALSE));
}

void TMainForm::CoolTrayMouseEnter() {
  PointerOverTray = true;
  const Options& o = core_->options;
  // The status balloon stands in for the plain tip.
  if (!HintShowing(o.ballonHint, o.ballonCondition, IsWindowVisible(hwnd_) != FALSE))
    stBallon->SetEnabled(true);
}

void TMainForm::CoolTrayMouseExit() {
  CoolTray->HideBalloon();
  stBallon->SetEnabled(false);
  PointerOverTray = false;
}

void TMainForm::stBallonEvent() {
  stBallon->SetEnabled(false);
  const Options& o = core_->options;
  TrayStatus status;
  status.savedSlots = core_->list.Slots.size() - 1;
  status.maxSlots = o.count;
  status.clipboardHasData = ClipboardHasData(clipboard_);
  status.url = o.url;
  status.mail = o.mail;
  ShowTrayBalloon(StatusBalloonText(status));
}

void TMainForm::stIconEvent() {
  // Added again in case the shell was not ready for it at start.
  CoolTray->SetIconVisible(true);
  const IconTick tick = IconTimerTick(iconCountdown_, core_->firstRun);
  if (tick.showWelcome)
    ShowTrayBalloon(FirstRunText(CurrentLanguageFile(ProgramFolder(), core_->options.language)));
  iconCountdown_ = tick.countdown;
  if (tick.stop) stIcon->SetEnabled(false);
}

void TMainForm::ShowTrayBalloon(const std::string& text) {
  const std::u16string wide = Utf8ToUtf16(text);
  const std::u16string title = Utf8ToUtf16(kTrayTitle);
  // A balloon the shell refuses is not shown; nothing else depends on it.
  CoolTray->ShowBalloon(std::wstring_view(win32::AsWide(title), title.size()),
                        std::wstring_view(win32::AsWide(wide), wide.size()), BalloonKind::Info,
                        kBalloonSeconds);
}

}  // namespace qv
