// The search field over the history. It takes the toolbar's place (same
// height, so nothing else of the window moves) and filters the rows as the
// user types; Esc and hiding the window bring everything back as it was.
#include "app/main_form_win32.h"

#include <commctrl.h>

#include "ui/flat_button_win32.h"
#include "ui/ground_win32.h"
#include "ui/slot_filter.h"
#include "util/codepage.h"

namespace qv {
namespace {

constexpr UINT_PTR kCueSubclass = 1;

// Paints the cue text over an empty field, as the themed edit control does
// (the program runs without the common controls 6 manifest that offers it).
LRESULT CALLBACK FindFieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR /*id*/, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, FindFieldProc, kCueSubclass);
  const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
  if (message == WM_PAINT && GetWindowTextLengthW(hwnd) == 0) {
    const auto* cue = reinterpret_cast<const std::u16string*>(data);
    RECT r{};
    SendMessageW(hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    HDC dc = GetDC(hwnd);
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, reinterpret_cast<LPCWSTR>(cue->c_str()), static_cast<int>(cue->size()), &r,
              DT_SINGLELINE | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    ReleaseDC(hwnd, dc);
  }
  return result;
}

}  // namespace

void TMainForm::CreateFindField() {
  searchIndex_ = std::make_unique<SlotSearchIndex>(textCase_);
  findEdit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 100,
                              23, hwnd_, nullptr, instance_, nullptr);
  if (!findEdit_) return;
  SendMessageW(findEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  SetWindowSubclass(findEdit_, FindFieldProc, kCueSubclass, reinterpret_cast<DWORD_PTR>(&findCue_));
}

void TMainForm::ArrangeFindField(int clientWidth, int groundTop) {
  if (findEdit_) MoveWindow(findEdit_, 4, groundTop + 1, clientWidth - 8, 25, TRUE);
}

void TMainForm::OpenFind() {
  if (!findEdit_) return;
  if (!IsWindowVisible(hwnd_)) ShowMainWindow();
  if (!IsWindowVisible(findEdit_)) {
    findReturn_ = {scroll_.position, SelectedPanel};
    for (auto& button : toolButtons_) button->SetVisible(false);
    grToolButtons_->SetVisible(false);
    UpdateToolTips();
    ShowWindow(findEdit_, SW_SHOW);
    searchIndex_->Prepare(core_->list.Slots);
  }
  SetForegroundWindow(hwnd_);
  SetFocus(findEdit_);
  SendMessageW(findEdit_, EM_SETSEL, 0, -1);
}

void TMainForm::CloseFind() {
  if (!findEdit_ || !IsWindowVisible(findEdit_)) return;
  const bool hadFocus = GetFocus() == findEdit_;
  // Hidden first: the change notice of the emptied text then filters nothing.
  ShowWindow(findEdit_, SW_HIDE);
  SetWindowTextW(findEdit_, L"");
  findQuery_ = {};
  filter_.reset();
  searchIndex_->Clear();
  for (auto& button : toolButtons_) button->SetVisible(true);
  grToolButtons_->SetVisible(true);
  UpdateToolTips();
  scroll_.position = findReturn_.position;
  if (IsWindowVisible(hwnd_)) {
    Visualize();
    SelectSlot(findReturn_.selectedPanel);
    FixSelection();
  }
  if (hadFocus) SetFocus(hwnd_);
}

void TMainForm::FindTextChanged() {
  if (!IsWindowVisible(findEdit_)) return;
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(findEdit_)) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(findEdit_, reinterpret_cast<LPWSTR>(text.data()),
                                                 static_cast<int>(text.size()))));
  findQuery_ = MakeSearchQuery(Utf16ToUtf8(text), textCase_);
  scroll_.position = 0;
  Visualize();
  // The focus on the first match, so Enter pastes it.
  SelectSlot(NewestShownIndex() >= 0 ? 1 : -1);
}

bool TMainForm::FindFieldKey(const KeyPress& press) {
  switch (ClassifyFindKey(press)) {
    case FindKey::kEdit:
      return false;
    case FindKey::kClose:
      CloseFind();
      return true;
    case FindKey::kNavigate:
    case FindKey::kTable:
      break;
  }
  // Enter with no slot in focus (no match) has nothing to paste.
  if (press.key == VK_RETURN && SelectedPanel < 0) return true;
  return FormKeyDown(press);
}

void TMainForm::RefreshFilter() {
  if (findQuery_.MatchesAll())
    filter_.reset();
  else
    filter_ = searchIndex_->Find(core_->list.Slots, findQuery_);
}

int TMainForm::ShownLength() const {
  return filter_ ? FilteredLength(*filter_) : static_cast<int>(core_->list.Slots.size());
}

int TMainForm::NewestShownIndex() const {
  if (filter_) return filter_->empty() ? -1 : filter_->front();
  return static_cast<int>(core_->list.Slots.size()) - 2;
}

VisualizePlan TMainForm::PlanRows() const {
  const int length = static_cast<int>(core_->list.Slots.size());
  return filter_ ? PlanFilteredVisualize(*filter_, length, Page, scroll_)
                 : PlanVisualize(length, Page, scroll_);
}

}  // namespace qv
