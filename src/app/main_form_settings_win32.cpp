// The settings dialog from the main window's side: creating it, showing it,
// applying what OK and Apply saved, the quick settings kept in step with it,
// and the autostart entry.
#include "app/main_form_win32.h"

#include <commctrl.h>

#include "settings/autorun.h"
#include "settings/options_file.h"
#include "settings/quick_settings.h"
#include "ui/flat_button_win32.h"
#include "ui/opacity.h"
#include "util/codepage.h"
#include "util/flag_guard.h"

namespace qv {
namespace {

int ControlOf(QuickToggle toggle) {
  switch (toggle) {
    case QuickToggle::OpenLinks:
      return TParamForm::kCbAutoBrowser;
    case QuickToggle::CreateMessages:
      return TParamForm::kCbAutoMail;
    case QuickToggle::PlaySound:
      return TParamForm::kCbSound;
    case QuickToggle::NoDouble:
      return TParamForm::kCbNoDouble;
    case QuickToggle::ShowPaths:
      break;
  }
  return TParamForm::kCbPathFiles;
}

}  // namespace

void TMainForm::CreateSettingsDialog() {
  ParamFormHost host;
  host.applied = [this](bool ok) { SettingsSaved(ok); };
  host.windowOptionsShown = [this] { ApplyWindowOptions(); };
  host.cancelled = [this] {
    if (IsWindowVisible(hwnd_)) SetForegroundWindow(hwnd_);
  };
  host.setAutorun = [this](bool on) { SetAutorun(on); };
  host.languageChosen = [this](const std::string& name) { LanguageChosen(name); };
  host.help = [this](const std::string& topic) { ShowHelp(topic); };
  host.message = [](HWND owner, const std::string& text, bool question) {
    const std::u16string wide = Utf8ToUtf16(text);
    const UINT type = question ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONWARNING;
    return MessageBoxW(owner, reinterpret_cast<const wchar_t*>(wide.c_str()), L"Quorvane", type) ==
           IDYES;
  };
  ParamPlatform platform;
  platform.olderFamily = RunningOnWin9x();
  platform.canWriteAutorun = Autorun(autostart_, ProgramPath()).CanWriteAutorun();
  paramForm_ = std::make_unique<TParamForm>(
      hwnd_,
      ParamFormData{core_->options, core_->folders.OptionsFile, hotkeys_, hotkeyRegistrar_,
                    platform, &LanguageFiles()},
      std::move(host));
}

void TMainForm::ShowSettings(bool about) {
  if (!paramForm_) return;
  paramForm_->ShowPage(about ? std::optional<int>(kParamAboutPage) : std::nullopt);
}

std::string TMainForm::ProgramPath() const {
  return Utf16ToUtf8(win32::ProgramFile().u16string());
}

void TMainForm::SetAutorun(bool on) {
  Autorun(autostart_, ProgramPath()).SetAutorun(on);
}

void TMainForm::ApplyWindowOptions() {
  const Options& o = core_->options;
  opacity_ = OpacityFromTransparency(std::min(o.transparent, 90));
  SetLayeredWindowAttributes(hwnd_, 0, opacity_, LWA_ALPHA);
  ApplyViewerOpacity();
  AutoHide = o.autohide;
  ShowAutoHideGlyph();
  for (auto& button : toolButtons_)
    if (button) button->ShowHint = o.toolbarhints;
  if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, o.toolbarhints, 0);
  SetTrayHintMode();
}

void TMainForm::SettingsSaved(bool ok) {
  const ReloadEffects effects = core_->ReLoadOptions();
  const Options& o = core_->options;
  ApplyWindowOptions();
  AlignMode = o.align;
  if (effects.count) scroll_.position = 0;
  if (effects.page) {
    Page = o.page;
    if (SelectedPanel > Page) SelectSlot(Page);
  }
  if (textForm_) textForm_->Resize(o.textWidth, o.textHeight);
  if (pictForm_)
    pictForm_->SetBackground(
        RGB(o.background & 0xFF, (o.background >> 8) & 0xFF, (o.background >> 16) & 0xFF));
  if (IsWindowVisible(hwnd_)) {
    Visualize();
    // A smaller count may have taken the highlighted slot away.
    if (effects.count) FixSelection();
    if (ok) SetForegroundWindow(hwnd_);
  }
}

void TMainForm::QuickToggleCommand(QuickToggle toggle) {
  AppCore& core = *core_;
  if (!ToggleQuickSetting(toggle, core.options, IniFile(core.folders.OptionsFile)))
    ShowMessage(UnableToWriteMessage(core.folders.OptionsFile));
  const bool on = QuickToggleOption(core.options, toggle);
  if (paramForm_) paramForm_->SyncToggle(ControlOf(toggle), on);
  if (toggle == QuickToggle::PlaySound) core.LoadCopySound();
  if (toggle == QuickToggle::ShowPaths) {
    FlagGuard ignore(core.capture.IgnoreClipboardChange, true);
    core.ApplyOptionsToContext();
    core.RebuildFileViews();
    RedrawIfVisible();
  }
}

void TMainForm::SetPlacement(uint8_t align) {
  AlignMode = align;
  if (paramForm_) paramForm_->SyncAlign(align);
  Visualize();
  if (!SetQuickAlign(align, core_->options, IniFile(core_->folders.OptionsFile)))
    ShowMessage(UnableToWriteMessage(core_->folders.OptionsFile));
}

}  // namespace qv
