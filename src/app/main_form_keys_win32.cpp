// The main window's keys and pasting into the application the user works in.
#include "app/main_form_win32.h"
#include "paste/paste_slot.h"
#include "ui/command_ids.h"
#include "ui/focus_navigation.h"
#include "ui/key_codes.h"

namespace qv {

int TMainForm::ShownSavedPanels() const {
  return std::min(Page, std::max(1, ShownLength() - 1));
}

KeyContext TMainForm::KeyContextNow() const {
  const TClipArr& list = core_->list.Slots;
  const int records = ShownLength();
  const bool slot0Kind = !list.empty() && list.back().Kind != kKindEmpty;
  const int newest = NewestShownIndex();
  const bool newestKind = newest >= 0 && list[static_cast<size_t>(newest)].Kind != kKindEmpty;
  KeyContext context;
  context.focus = SelectedPanel;
  for (int k = 0; k < kSlotViewCount; ++k) {
    PanelState& panel = context.panels[static_cast<size_t>(k)];
    panel.usable = PanelUsable(k, records, ShownSavedPanels(), slot0Kind, newestKind);
    const SlotMenuItems items = MenuItemsFor(slots_[k]->Kind());
    panel.textOrFiles = items.saveAsText;
    panel.picture = items.saveAsImage;
  }
  return context;
}

bool TMainForm::PreviewKey(const MSG& msg) {
  // The modeless settings dialog's own keys and its keyboard navigation.
  if (paramForm_) {
    MSG copy = msg;
    if (paramForm_->PreTranslate(copy)) return true;
  }
  const bool key =
      msg.message == WM_KEYDOWN || (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F10);
  if (!key || !core_ || !(msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) return false;
  KeyPress press;
  press.key = static_cast<uint16_t>(msg.wParam);
  press.shift = GetKeyState(VK_SHIFT) < 0;
  press.ctrl = GetKeyState(VK_CONTROL) < 0;
  press.alt = GetKeyState(VK_MENU) < 0;
  if (findEdit_ && msg.hwnd == findEdit_) return FindFieldKey(press);
  // Esc closes an open search field wherever the keyboard focus is.
  if (press.key == VK_ESCAPE && findEdit_ && IsWindowVisible(findEdit_)) {
    CloseFind();
    return true;
  }
  return FormKeyDown(press);
}

bool TMainForm::FormKeyDown(const KeyPress& press) {
  const std::vector<KeyStep> steps = PlanKey(press, KeyContextNow());
  for (const KeyStep& step : steps) RunKeyStep(step);
  return !steps.empty();
}

void TMainForm::RunKeyStep(const KeyStep& step) {
  using Kind = KeyStep::Kind;
  auto slotOf = [this](int panel) {
    return static_cast<size_t>(std::max(0, slots_[static_cast<size_t>(panel)]->Tag));
  };
  switch (step.kind) {
    case Kind::kSelectFocused:
      if (SelectedPanel >= 0 && SelectedPanel < kSlotViewCount)
        SelectedSlot = slotOf(SelectedPanel);
      return;
    case Kind::kSelectPanel:
      SelectedSlot = slotOf(step.panel);
      return;
    case Kind::kCommand:
      OnCommand(step.command);
      return;
    case Kind::kNavigate: {
      FocusState state;
      state.focus = SelectedPanel;
      state.panels = ShownSavedPanels();
      state.records = ShownLength();
      state.slot0Empty = slots_[0]->Kind() == DisplayKind::kEmptyClipboard;
      state.scroll = scroll_;
      const FocusState next = NavigateFocus(step.key, state);
      if (next.scroll.position != scroll_.position) sBarChange(next.scroll.position);
      if (next.focus != SelectedPanel) SelectSlot(next.focus);
      return;
    }
    case Kind::kClipboardMenu:
    case Kind::kSlotMenu: {
      win32::TSlot& slot = *slots_[static_cast<size_t>(step.panel)];
      RECT r{};
      GetClientRect(slot.Handle(), &r);
      POINT screen{r.right - 15, r.bottom};
      ClientToScreen(slot.Handle(), &screen);
      ShowSlotMenu(slot, screen);
      return;
    }
  }
}

void TMainForm::PasteSlot(size_t index, bool silent) {
  // The menu's paste writes the slot without the copy sound; a double click plays it.
  {
    CapturedClipboardWrite write(core_->capture, silent);
    qv::PasteSlot(core_->list.Slots, index, {clipboard_, system_, desktop_});
  }
  RedrawIfVisible();
}

}  // namespace qv
