// The main window's layout: panels, rows, scrolling, placement, docking,
// auto-hide and transparency. The arithmetic lives in ui/window_layout and
// ui/placement; this file applies it.
#include <windowsx.h>

#include "app/main_form_win32.h"
#include "settings/options_file.h"
#include "ui/flat_button_win32.h"
#include "ui/graphic_control_win32.h"
#include "ui/ground_win32.h"
#include "ui/opacity.h"
#include "ui/paint_guards_win32.h"
#include "ui/slot_filter.h"

namespace qv {
namespace {

constexpr int kClipboardPanel = 60;  // pnClipboard
constexpr int kSplit = 2;            // pnSplitTop, pnSplitBottom
constexpr int kToolbar = 31;         // pnToolbar
constexpr int kBorder = 2;
constexpr int kScrollWidth = 16;
constexpr uint32_t kFrameBlue = 0x8080FF;  // 128,128,255
constexpr uint32_t kSkyBlue = 0xA6CAF0;    // 166,202,240
constexpr uint32_t kWhite = 0xFFFFFF;

Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

SIZE WindowSizeForClient(HWND hwnd, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

RECT TMainForm::ClientRect() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r;
}

void TMainForm::CreateControls() {
  host_ = std::make_unique<win32::TControlHost>(hwnd_);
  sBar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT | WS_DISABLED, 0,
                          0, kScrollWidth, 100, hwnd_, nullptr, instance_, nullptr);
  CreateSlots();
  CreateToolbar();
  CreateFindField();
  ArrangeControls();
}

void TMainForm::ArrangeControls() {
  const RECT client = ClientRect();
  const int w = client.right, h = client.bottom;
  const int slotsTop = kClipboardPanel + kSplit;
  const int slotsHeight = h - slotsTop - kSplit - kToolbar;
  if (slots_[0]) slots_[0]->SetBounds(kBorder, kBorder, w - 2 * kBorder, kSlotHeight);
  // Rows below the client area are hidden rather than left over the toolbar.
  const int rows = (h - kClientHeightBase) / kRowHeight;
  for (int k = 1; k < kSlotViewCount; ++k) {
    if (!slots_[k]) continue;
    slots_[k]->SetBounds(kBorder, slotsTop + kBorder + kRowHeight * (k - 1),
                         w - 2 * kBorder - kScrollWidth - kBorder, kSlotHeight);
    ShowWindow(slots_[k]->Handle(), k <= rows ? SW_SHOWNA : SW_HIDE);
  }
  if (sBar_)
    MoveWindow(sBar_, w - kBorder - kScrollWidth, slotsTop + kBorder, kScrollWidth,
               std::max(0, slotsHeight - 2 * kBorder), TRUE);
  // The toolbar ground fills pnToolbar inside its border; the buttons' own
  // panel is centred in it.
  const int groundTop = h - kToolbar + kBorder;
  if (grToolbar_)
    grToolbar_->SetBounds(kBorder, groundTop, w - 2 * kBorder, kToolbar - 2 * kBorder);
  const int buttonsLeft = kBorder + CenteredLeft(w - 2 * kBorder, kToolButtonsWidth);
  if (grToolButtons_)
    grToolButtons_->SetBounds(buttonsLeft, groundTop, kToolButtonsWidth, kToolbar - 2 * kBorder);
  static const int kLefts[10] = {2, 28, 54, 88, 120, 146, 178, 212, 238, 264};
  for (size_t i = 0; i < toolButtons_.size(); ++i) {
    if (toolButtons_[i]) toolButtons_[i]->SetBounds(buttonsLeft + kLefts[i], groundTop + 2, 24, 24);
  }
  ArrangeFindField(w, groundTop);
  UpdateToolTips();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void TMainForm::PaintPanels(HDC dc, const RECT& update) {
  const RECT client = ClientRect();
  const int w = client.right, h = client.bottom;
  auto fill = [&](int top, int height, uint32_t colour) {
    RECT area{0, top, w, top + height}, part{};
    if (IntersectRect(&part, &area, &update)) win32::FillSolid(dc, part, colour);
  };
  fill(0, kClipboardPanel, kFrameBlue);
  fill(kClipboardPanel, kSplit, kWhite);
  fill(kClipboardPanel + kSplit, h - kClipboardPanel - 2 * kSplit - kToolbar, kSkyBlue);
  fill(h - kToolbar - kSplit, kSplit, kWhite);
  fill(h - kToolbar, kToolbar, kFrameBlue);
  host_->PaintControls(dc, update);
}

void TMainForm::SetClientHeight(int height) {
  const RECT client = ClientRect();
  if (client.bottom == height) return;
  SIZE size = WindowSizeForClient(hwnd_, client.right, height);
  SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ArrangeControls();
}

void TMainForm::Visualize() {
  RefreshFilter();
  VisualizePlan plan = PlanRows();
  SetClientHeight(plan.clientHeight);
  PlaceWindow();
  ApplyScroll(plan.scroll);
  for (int k = 0; k < kSlotViewCount; ++k) ApplyFill(k, plan.slots[static_cast<size_t>(k)]);
}

void TMainForm::ApplyFill(int panel, const SlotFill& fill) {
  if (fill.action == SlotFill::Action::kSnapshot) {
    FillSlot(panel, fill.index);
  } else if (fill.action == SlotFill::Action::kEmptySlot) {
    slots_[panel]->SetDisplayKind(static_cast<int>(DisplayKind::kEmptySlot));
    slots_[panel]->Tag = -1;
    SetWindowTextW(slots_[panel]->Handle(), L"Empty slot");
  }
}

void TMainForm::ApplyScroll(const ScrollState& scroll) {
  scrollUpdating_ = true;
  scroll_ = scroll;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = scroll.maximum;
  info.nPage = static_cast<UINT>(scroll.pageSize);
  info.nPos = scroll.position;
  SetScrollInfo(sBar_, SB_CTL, &info, TRUE);
  EnableWindow(sBar_, scroll.enabled);
  scrollUpdating_ = false;
}

void TMainForm::sBarChange(int position) {
  if (scrollUpdating_) return;
  ScrollRefill refill = PlanScrollChange(ShownLength(), Page, position);
  if (filter_)
    MapFilteredRows(refill.slots, *filter_, static_cast<int>(core_->list.Slots.size()), Page);
  scroll_.position = refill.position;
  ApplyScroll(scroll_);
  for (int k = 1; k < kSlotViewCount; ++k) ApplyFill(k, refill.slots[static_cast<size_t>(k)]);
}

void TMainForm::OnMouseWheel(int delta) {
  if (!scroll_.enabled) return;
  const int position = WheelPosition(scroll_, delta, ShownLength(), Page);
  if (position != scroll_.position) sBarChange(position);
}

void TMainForm::PlaceWindow() {
  RECT window{};
  GetWindowRect(hwnd_, &window);
  PlaceRequest request;
  request.alignMode = AlignMode;
  request.window = ToRect(window);
  request.clientHeight = ClientRect().bottom;
  // A taskbar that is hidden or has no area (some shells keep an empty one)
  // counts as none: the window then stays at its saved place.
  if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr); taskbar && IsWindowVisible(taskbar)) {
    RECT r{};
    GetWindowRect(taskbar, &r);
    if (r.right > r.left && r.bottom > r.top) request.taskbar = ToRect(r);
  }
  request.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  Placement placement = qv::PlaceWindow(request, saved_);
  saved_ = placement.saved;
  if (placement.position.x != window.left || placement.position.y != window.top)
    SetWindowPos(hwnd_, nullptr, placement.position.x, placement.position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainForm::OnEnterSizeMove() {
  GetWindowRect(hwnd_, &sizeMoveStart_);
}

void TMainForm::OnExitSizeMove() {
  RECT now{};
  GetWindowRect(hwnd_, &now);
  const RECT client = ClientRect();
  const int oldHeight = sizeMoveStart_.bottom - sizeMoveStart_.top;
  const int oldWidth = sizeMoveStart_.right - sizeMoveStart_.left;
  IniFile ini(core_->folders.OptionsFile);
  if (now.bottom - now.top != oldHeight) {
    RowSnap snap = SnapClientHeight(client.bottom);
    Page = snap.page;
    core_->options.page = static_cast<uint8_t>(Page);
    if (SelectedPanel > Page) SelectSlot(Page);
    WriteOption("slots", "page", std::to_string(Page));
    Visualize();
  }
  if (now.right - now.left != oldWidth) {
    const int width = ClampClientWidth(client.right);
    if (width != client.right) {
      SIZE size = WindowSizeForClient(hwnd_, width, ClientRect().bottom);
      SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ArrangeControls();
  }
  if (WindowMoved(ToRect(sizeMoveStart_), ToRect(now))) {
    const uint8_t align = AlignAfterMove(AlignMode, true);
    if (align != AlignMode) SetPlacement(align);
  }
  RECT after{};
  GetWindowRect(hwnd_, &after);
  saved_.top = after.top;
  saved_.clientHeight = ClientRect().bottom;
}

void TMainForm::OnWindowPosChanging(WINDOWPOS& pos) {
  if (!core_ || !core_->options.snap || (pos.flags & SWP_NOMOVE)) return;
  if (pos.x == 0 && pos.y == 0) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT window{};
  GetWindowRect(hwnd_, &window);
  Size size{(pos.flags & SWP_NOSIZE) ? window.right - window.left : pos.cx,
            (pos.flags & SWP_NOSIZE) ? window.bottom - window.top : pos.cy};
  Point docked =
      DockToWorkArea({pos.x, pos.y}, size, ToRect(monitor.rcWork), core_->options.snapvalue);
  pos.x = docked.x;
  pos.y = docked.y;
}

void TMainForm::OnActivate(bool active) {
  if (active) {
    BOOL full = TRUE;
    if (SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0)) {
      dragFullWindows_ = full != FALSE;
      haveDragSetting_ = true;
      SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, FALSE, nullptr, 0);
    }
    return;
  }
  if (haveDragSetting_) {
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, dragFullWindows_, nullptr, 0);
    haveDragSetting_ = false;
  }
  const bool viewerOpen =
      (textForm_ && textForm_->Visible()) || (pictForm_ && pictForm_->Visible());
  if (AutoHide && !viewerOpen && !PointerOverTray) HideMainWindow();
}

void TMainForm::MakeTransparent(int percent) {
  core_->options.transparent = percent;
  opacity_ = OpacityFromTransparency(percent);
  SetLayeredWindowAttributes(hwnd_, 0, opacity_, LWA_ALPHA);
  ApplyViewerOpacity();
  WriteOption("main", "transparent", std::to_string(percent));
}

void TMainForm::ShowMainWindow() {
  Visualize();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void TMainForm::HideMainWindow() {
  ShowWindow(hwnd_, SW_HIDE);
}

}  // namespace qv
