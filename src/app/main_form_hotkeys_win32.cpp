// System-wide hotkeys: registered at start from options.cfg, released at exit,
// and each pressed one run as the main window's command it stands for.
#include "app/main_form_win32.h"
#include "hotkeys/dispatch.h"
#include "ui/command_ids.h"

namespace qv {

void TMainForm::RegisterHotkeys() {
  hotkeyRegistrar_.SetWindow(hwnd_);
  hotkeys_.ClearHotkeys();
  hotkeys_.LoadHotkeys(IniFile(core_->folders.OptionsFile).Load());
  // A combination another program holds stays listed; it is simply not active.
  hotkeys_.RegisterHotkeys(hotkeyRegistrar_);
}

void TMainForm::UnregisterHotkeys() {
  if (core_) hotkeys_.UnregisterHotkeys(hotkeyRegistrar_);
}

size_t TMainForm::SlotShownIn(int panel) const {
  // What the view shows once laid out: while the window is hidden its views
  // are not refilled, so their tags may be older than the list.
  const VisualizePlan plan = PlanRows();
  const SlotFill& fill = plan.slots[static_cast<size_t>(panel)];
  if (fill.action == SlotFill::Action::kSnapshot) return static_cast<size_t>(fill.index);
  return static_cast<size_t>(std::max(0, slots_[static_cast<size_t>(panel)]->Tag));
}

void TMainForm::WMHotKey(int id) {
  const TClipArr& list = core_->list.Slots;
  const TClipRec& slot0 = list.back();
  HotkeyDispatchState state;
  state.slot0HasText = slot0.HasText || slot0.HasRichText;
  state.slot0HasPicture = slot0.HasBitmap || slot0.HasMetafile;
  // The rows as shown: while a search filters them, the matches.
  state.slotCount = static_cast<size_t>(ShownLength());
  const int newest = NewestShownIndex();
  state.newestSavedKindSet = newest >= 0 && list[static_cast<size_t>(newest)].Kind != kKindEmpty;
  state.page = Page;
  const HotkeyCommand command = DispatchHotkey(id, state);
  switch (command.action) {
    case HotkeyAction::None:
      return;
    case HotkeyAction::ShowWindow:
      if (!IsWindowVisible(hwnd_)) {
        Visualize();
        ShowWindow(hwnd_, SW_SHOW);
      }
      SetForegroundWindow(hwnd_);
      return;
    case HotkeyAction::HideWindow:
      if (IsWindowVisible(hwnd_)) HideMainWindow();
      return;
    case HotkeyAction::PreviousSlot:
      OnCommand(kCmdPrevious);
      return;
    case HotkeyAction::NextSlot:
      OnCommand(kCmdNext);
      return;
    case HotkeyAction::ClearClipboard:
      OnCommand(kCmdClearClipboard);
      return;
    case HotkeyAction::ClearSlots:
      OnCommand(kCmdClearAll);
      return;
    case HotkeyAction::LoadSlot:
      // The menu of a window that is not in front would not close again.
      SetForegroundWindow(hwnd_);
      ClickLoadButton();
      return;
    case HotkeyAction::TextConversion:
      OnCommand(static_cast<uint16_t>(kCmdTextConversion0 + command.argument));
      return;
    case HotkeyAction::PictureTransform:
      OnCommand(static_cast<uint16_t>(kCmdPictureTransform0 + command.argument));
      return;
    case HotkeyAction::PastePanel:
      SelectedSlot = SlotShownIn(command.argument);
      OnCommand(kCmdPaste);
      return;
  }
}

}  // namespace qv
