// Menu and toolbar commands of the main window.
#include "app/main_form_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include "ui/command_ids.h"
#include "snapshot/clipboard_io.h"
#include "settings/options_file.h"
#include "store/slot_file.h"
#include "util/file_io.h"
#include "ui/auto_select.h"
#include "ui/file_dialog_win32.h"
#include "ui/flat_button_win32.h"
#include "ui/form_texts.h"
#include "ui/gdi_bitmaps_win32.h"
#include "ui/ground_win32.h"
#include "ui/popup_menu_win32.h"
#include "util/codepage.h"

namespace qv {
namespace {

// In toolbar order (kToolButtonNames); the hints are the main window's texts.
constexpr const wchar_t* kToolButtonGlyphs[10] = {
    L"GLYPH-CONFIG", L"GLYPH-FAST", L"GLYPH-TRANSP",   L"GLYPH-PREV", L"GLYPH-LOAD",
    L"GLYPH-DELALL", L"GLYPH-NEXT", L"GLYPH-MINIMIZE", L"TOP-ON",     L"GLYPH-EXIT"};
enum ToolIndex {
  kConfig,
  kFast,
  kTransp,
  kPrev,
  kLoad,
  kDelAll,
  kNext,
  kMinimize,
  kTop,
  kExitButton
};

constexpr char kSlotFilter[] = "Slots (*.slot)|*.slot";

}  // namespace

void TMainForm::CreateToolbar() {
  grToolbar_ = std::make_unique<win32::TGround>(*host_);
  grToolButtons_ = std::make_unique<win32::TGround>(*host_);
  if (auto ground = win32::LoadBitmapResource(instance_, L"TOOLBAR-GROUND")) {
    grToolbar_->SetBitmap(*ground);
    grToolButtons_->SetBitmap(*ground);
  }
  grToolbar_->SetEnabled(false);
  grToolButtons_->SetEnabled(false);
  const uint16_t commands[10] = {
      0, 0, 0, kCmdPrevious, 0, kCmdClearAll, kCmdNext, kCmdMinimize, kCmdAutoHide, kCmdExit};
  for (size_t i = 0; i < toolButtons_.size(); ++i) {
    auto button = std::make_unique<win32::TFlatButton>(*host_);
    if (auto glyph = win32::LoadBitmapResource(instance_, kToolButtonGlyphs[i]))
      button->SetGlyph(*glyph);
    std::u16string hint = Utf8ToUtf16(FindComponent(MainFormTexts(), kToolButtonNames[i])->hint);
    button->Hint.assign(hint.begin(), hint.end());
    button->ShowHint = core_->options.toolbarhints;
    win32::TFlatButton* self = button.get();
    switch (i) {
      case kConfig:
        button->OnClick = [this, self] {
          PopupButtonMenu(*self, Translated(ParamMenu(), "pmParam"));
        };
        break;
      case kFast:
        button->OnClick = [this, self] {
          PopupButtonMenu(*self, Translated(FastMenu(core_->options), "pmFast"));
        };
        break;
      case kTransp:
        button->OnClick = [this, self] {
          PopupButtonMenu(*self,
                          Translated(TransparencyMenu(core_->options.transparent), "pmTransp"));
        };
        break;
      case kLoad:
        button->OnClick = [this] { ClickLoadButton(); };
        break;
      default: {
        const uint16_t command = commands[i];
        button->OnClick = [this, command] { OnCommand(command); };
      }
    }
    toolButtons_[i] = std::move(button);
  }
  // The buttons' hints: one tooltip window, one tool per button rectangle.
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                             nullptr, instance_, nullptr);
  for (size_t i = 0; i < toolButtons_.size(); ++i) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = i + 1;
    tool.lpszText = toolButtons_[i]->Hint.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  SendMessageW(tooltip_, TTM_ACTIVATE, core_->options.toolbarhints, 0);
}

void TMainForm::UpdateToolTips() {
  if (!tooltip_) return;
  for (size_t i = 0; i < toolButtons_.size(); ++i) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = hwnd_;
    tool.uId = i + 1;
    // Hidden buttons (the search field stands there) show no hint.
    tool.rect = toolButtons_[i]->Visible() ? toolButtons_[i]->BoundsRect() : RECT{};
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void TMainForm::ClickLoadButton() {
  std::vector<std::string> names;
  for (const SetEntry& set : core_->sets.SetList) names.push_back(AnsiToUtf8(set.Name));
  PopupButtonMenu(*toolButtons_[kLoad], Translated(SlotSetMenu(names), "pmSlotSet"));
}

void TMainForm::PopupButtonMenu(const win32::TFlatButton& button, const Menu& menu) {
  RECT r = button.ScreenRect();
  if (uint16_t command = win32::TrackMenu(menu, hwnd_, POINT{r.left + 24, r.top + 24}))
    OnCommand(command);
}

void TMainForm::WriteOption(const char* section, const char* key, const std::string& value) {
  if (!IniFile(core_->folders.OptionsFile).WriteString(section, key, value))
    ShowMessage(UnableToWriteMessage(core_->folders.OptionsFile));
}

void TMainForm::ShowAutoHideGlyph() {
  // "top-on" while the window stays, "top-off" while it hides itself.
  if (auto glyph = win32::LoadBitmapResource(instance_, AutoHide ? L"TOP-OFF" : L"TOP-ON"))
    toolButtons_[kTop]->SetGlyph(*glyph);
}

void TMainForm::ToggleAutoHide() {
  AutoHide = !AutoHide;
  core_->options.autohide = AutoHide;
  ShowAutoHideGlyph();
  WriteOption("main", "autohide", AutoHide ? "1" : "0");
}

void TMainForm::SaveSlotCommand(size_t index) {
  if (index >= core_->list.Slots.size()) return;
  auto temporary = PrepareSlotExport(core_->list.Slots[index], core_->folders.WorkFolder, system_);
  if (!temporary) return;
  auto chosen = win32::AskFileName(hwnd_, true, kSlotFilter);
  if (!chosen || !win32::ConfirmReplace(hwnd_, SlotExportName(chosen->path))) {
    CancelSlotExport(*temporary);
    return;
  }
  if (auto message = FinishSlotExport(*temporary, chosen->path)) ShowMessage(*message);
}

void TMainForm::LoadSlotCommand() {
  auto chosen = win32::AskFileName(hwnd_, false, kSlotFilter);
  if (!chosen) return;
  if (auto message = core_->commands.LoadSlotFile(chosen->path)) ShowMessage(*message);
  RedrawIfVisible();
}

void TMainForm::FixSelection() {
  PanelKinds kinds{};
  for (int k = 0; k < kSlotViewCount; ++k) kinds[static_cast<size_t>(k)] = slots_[k]->Kind();
  const int panel = AutoSelectSlot(SelectedPanel, ShownLength(), kinds);
  if (panel != SelectedPanel) SelectSlot(panel);
}

void TMainForm::OnCommand(uint16_t id) {
  AppCore& core = *core_;
  switch (id) {
    case kCmdExit:
      ExitProgram();
      return;
    case kCmdShowHide:
      if (IsWindowVisible(hwnd_))
        HideMainWindow();
      else
        ShowMainWindow();
      return;
    case kCmdShow:
      ShowMainWindow();
      return;
    case kCmdMinimize:
      HideMainWindow();
      return;
    case kCmdAutoHide:
      ToggleAutoHide();
      return;
    case kCmdPrevious:
    case kCmdNext: {
      if (id == kCmdPrevious)
        core.commands.PreviousCommand();
      else
        core.commands.NextCommand();
      RedrawIfVisible();
      FixSelection();
      return;
    }
    case kCmdClearAll: {
      core.commands.ClearCommand();
      RedrawIfVisible();
      const int panel = SelectionAfterClearAll(SelectedPanel, slots_[0]->Kind());
      if (panel != SelectedPanel) SelectSlot(panel);
      return;
    }
    case kCmdPaste:
      PasteSlot(SelectedSlot, true);
      return;
    case kCmdCopy:
      core.commands.PutSlotOnClipboard(SelectedSlot);
      RedrawIfVisible();
      return;
    case kCmdSwap:
      core.commands.SwapCommand(SelectedSlot);
      RedrawIfVisible();
      return;
    case kCmdSlotUp:
      core.commands.MoveUpCommand(SelectedSlot);
      RedrawIfVisible();
      FixSelection();
      return;
    case kCmdSlotDown:
      core.commands.MoveDownCommand(SelectedSlot);
      RedrawIfVisible();
      return;
    case kCmdDeleteSlot: {
      core.commands.DeleteCommand(SelectedSlot);
      RedrawIfVisible();
      FixSelection();
      return;
    }
    case kCmdClearClipboard:
      ClearClipboardCommand();
      return;
    case kCmdAddText:
      AddTextCommand(SelectedSlot);
      return;
    case kCmdSaveText:
      SaveTextCommand(SelectedSlot);
      return;
    case kCmdSaveImage:
      SavePictCommand(SelectedSlot);
      return;
    case kCmdSaveSlot:
      SaveSlotCommand(SelectedSlot);
      return;
    case kCmdLoadSlot:
      LoadSlotCommand();
      return;
    case kCmdSaveSet:
      if (saveSetForm_) saveSetForm_->ShowModal(hwnd_);
      return;
    case kCmdSetsManager:
      if (loadSetForm_) loadSetForm_->ShowModal(hwnd_);
      return;
    case kCmdPlace1:
    case kCmdPlace2:
    case kCmdPlace3:
      SetPlacement(static_cast<uint8_t>(id - kCmdPlace1 + 1));
      return;
    case kCmdOpenLinks:
    case kCmdCreateMessages:
    case kCmdPlaySound:
    case kCmdNoDouble:
    case kCmdShowPaths:
      QuickToggleCommand(static_cast<QuickToggle>(id - kCmdOpenLinks));
      return;
    case kCmdFind:
      OpenFind();
      return;
    case kCmdSettings:
    case kCmdAbout:
      ShowSettings(id == kCmdAbout);
      return;
    case kCmdHelp:
      ShowHelp("interface.html");
      return;
    case kCmdHelpTray:
      ShowHelp("tray.html");
      return;
    default:
      if (id >= kCmdLoadSet0 && id < kCmdLoadSet0 + kMaxSetMenuItems)
        SetsMenuClick(id - kCmdLoadSet0);
      else if (id >= kCmdTextConversion0 && id < kCmdTextConversion0 + 6)
        TextConversionCommand(id - kCmdTextConversion0);
      else if (id >= kCmdPictureTransform0 && id < kCmdPictureTransform0 + 6)
        PictureCommand(id - kCmdPictureTransform0);
      else if (id >= kCmdTransparency0 && id < kCmdTransparency0 + 10)
        MakeTransparent((id - kCmdTransparency0) * 10);
      return;
  }
}

}  // namespace qv
