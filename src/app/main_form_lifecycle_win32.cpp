// Start-up, shut-down and tear-down of the main window.
#include <shlobj.h>

#include "app/main_form_win32.h"
#include "ui/opacity.h"
#include "ui/window_layout.h"
#include "platform/win32/handles_win32.h"
#include "settings/options_file.h"
#include "util/codepage.h"
#include "util/flag_guard.h"

namespace qv {
namespace {

std::optional<std::filesystem::path> SystemAppDataFolder() {
  wchar_t path[MAX_PATH];
  int csidl = RunningOnWin9x() ? CSIDL_APPDATA : CSIDL_COMMON_APPDATA;
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) || !path[0])
    return std::nullopt;
  return std::filesystem::path(path);
}

}  // namespace

bool RunningOnWin9x() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  bool known = GetVersionExW(&info) != FALSE;
#pragma GCC diagnostic pop
  return IsWin9xFamily(known, info.dwMajorVersion, info.dwMinorVersion,
                       info.dwPlatformId == VER_PLATFORM_WIN32_NT);
}

void TMainForm::FormCreate() {
  // 1. Disabled until start-up is finished (the window was created disabled).
  CreateTrayTimers();
  clipboard_.SetOwnerWindow(hwnd_);
  desktop_.Attach(hwnd_);
  // 2 to 6. Folders and options.
  core_ = std::make_unique<AppCore>(Platform{clipboard_, renderer_, system_, sound_},
                                    MakeAppFolders(SystemAppDataFolder()));
  core_->monitor.onSlotsChanged = [this] { RedrawIfVisible(); };
  core_->monitor.onNewSlotActions = [this](size_t index) { DoActions(index); };
  if (auto message = core_->PrepareFoldersAndOptions()) ShowMessage(*message);
  // The autostart entry again, so a moved program starts from its new place.
  SetAutorun(core_->options.autoran);
  RegisterHotkeys();
  CreateMenuPainter();
  CreateHelpViewer();
  const Options& o = core_->options;
  Page = o.page;
  AlignMode = o.align;
  AutoHide = o.autohide;
  // The slot panels, the scroll bar and the toolbar; then the window's size
  // and, unless it sits next to the tray, its saved place.
  CreateControls();
  ShowAutoHideGlyph();
  // The stored height, not one row: the first layout keeps the bottom edge of a
  // bottom-fixed window where it was only if it starts at the height it had.
  const int clientHeight = o.height > 0 ? o.height : ClientHeightFor(Page, 1);
  SIZE size = WindowSizeForClient(hwnd_, ClampClientWidth(o.width), clientHeight);
  SetWindowPos(hwnd_, nullptr, o.left, o.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  saved_ = {o.left, o.top, ClientRect().bottom};
  opacity_ = OpacityFromTransparency(std::min(o.transparent, 90));
  SetLayeredWindowAttributes(hwnd_, 0, opacity_, LWA_ALPHA);
  // The viewers (created by the application at start, hidden).
  textForm_ = std::make_unique<TTextForm>(hwnd_, o.textWidth, o.textHeight);
  pictForm_ = std::make_unique<TPictForm>(
      hwnd_, o.pictureSize,
      RGB(o.background & 0xFF, (o.background >> 8) & 0xFF, (o.background >> 16) & 0xFF));
  ApplyViewerOpacity();
  CreateSetForms();
  // 8. The tray icon.
  ShowTrayIcon();
  {
    // 10 and 11. The slot list from the work folder (file-list views are
    // rebuilt as the slots load); the clipboard becomes Slot 0 or gets the
    // last slot back. Then the watcher joins the viewer chain; what it reads
    // meanwhile waits until start-up is done. Whatever loading throws,
    // capturing starts afterwards.
    FlagGuard starting(core_->capture.IgnoreClipboardChange);
    {
      win32::ScreenDC screen;
      core_->attributes.pixelsPerInch = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    }
    try {
      core_->LoadWorkSlots();
    } catch (const std::exception&) {
      // The list starts empty; the files stay for the next start.
    }
    StartClipboardWatch();
  }
  // 12 to 15.
  Visualize();
  SelectedPanel = -1;
  StartIconTimer();
  ApplyClipboardReadings();
  // Every change of the list is in the work folder within moments, so a crash
  // or a power cut loses no copy older than that. Not in the middle of the
  // program's own clipboard write, whose command is still rearranging slots.
  // Readings held back while changes were ignored are applied here too.
  storeTimer_ = std::make_unique<TSimpleTimer>(
      [this] {
        if (shutDown_ || core_->capture.IgnoreClipboardChange) return;
        ApplyClipboardReadings();
        core_->StoreChangedSlots();
      },
      250, true);
  ApplyLanguage();
  CreateSetMenu();
}

void TMainForm::FinishStartup() {
  CreateSettingsDialog();
  EnableWindow(hwnd_, TRUE);
  EnableTrayIcon();
  if (!core_->options.minimized) ShowMainWindow();
}

void TMainForm::FormShow() {
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  PostMessageW(hwnd_, kMsgTrayHintMode, 0, 0);
}

void TMainForm::ExitProgram() {
  FormCloseQuery();
  DestroyWindow(hwnd_);
}

void TMainForm::FormCloseQuery() {
  if (shutDown_ || !core_) return;
  // 1. Nothing is captured any more: the watcher leaves the chain, and what
  // it read before joins the list.
  StopClipboardWatch();
  ApplyClipboardReadings();
  shutDown_ = true;
  core_->capture.IgnoreClipboardChange = true;
  // 2. The slot list goes to the work folder or away.
  if (auto message = core_->StoreSlotsForNextStart()) ShowMessage(*message);
  // 3. The text font.
  ReleaseTextFont();
  // 4. The window geometry.
  RECT window{}, client{};
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  WindowGeometry geometry{window.left, window.top, client.right, client.bottom, std::nullopt};
  if (paramForm_ && paramForm_->Handle()) {
    RECT dialog{};
    GetWindowRect(paramForm_->Handle(), &dialog);
    geometry.paramPosition = std::pair<int32_t, int32_t>(dialog.left, dialog.top);
  }
  if (!SaveWindowGeometry(IniFile(core_->folders.OptionsFile), geometry))
    ShowMessage(UnableToWriteMessage(core_->folders.OptionsFile));
}

void TMainForm::FormDestroy() {
  storeTimer_.reset();
  StopClipboardWatch();
  UnregisterHotkeys();
  ReleaseTimers();
  ReleaseHelpAndMenus();
}

void TMainForm::ShowMessage(const std::string& text) {
  std::u16string wide = Utf8ToUtf16(text);
  MessageBoxW(hwnd_, reinterpret_cast<const wchar_t*>(wide.c_str()), L"Quorvane",
              MB_OK | MB_ICONWARNING);
}

}  // namespace qv
