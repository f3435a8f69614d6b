// The main window's icon in the notification area and its menu.
#include "app/main_form_win32.h"

#include "ui/command_ids.h"

namespace qv {

void TMainForm::ShowTrayIcon() {
  CoolTray = std::make_unique<TCoolTrayIcon>();
  CoolTray->SetEnabled(false);  // until start-up has finished
  const wchar_t* image = RunningOnWin9x() ? L"TRAY9X" : L"TRAY";
  CoolTray->SetIcon(
      static_cast<HICON>(LoadImageW(instance_, image, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_SHARED)));
  CoolTray->SetHint(L"Quorvane");
  CoolTray->SetShowHint(true);
  CoolTray->SetWantEnterExitEvents(true);
  CoolTray->SetOnMouseDown(
      [this](TrayButton button, TrayShiftState) { CoolTrayMouseDown(button); });
  CoolTray->SetOnMouseEnter([this] { PointerOverTray = true; });
  CoolTray->SetOnMouseExit([this] { PointerOverTray = false; });
  CoolTray->SetIconVisible(true);
}

void TMainForm::EnableTrayIcon() {
  if (!CoolTray) return;
  pmTray = win32::BuildPopupMenu(TrayMenu());
  CoolTray->SetPopupMenu(pmTray.Get());
  CoolTray->SetCommandTarget(hwnd_);
  CoolTray->SetEnabled(true);
}

void TMainForm::CoolTrayMouseDown(TrayButton button) {
  if (button != TrayButton::Left) return;
  OnCommand(kCmdShowHide);
}

}  // namespace qv
