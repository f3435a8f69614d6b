#include "ui/graphic_control_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "ui/paint_guards_win32.h"

namespace qv::win32 {
namespace {

POINT Local(const TGraphicControl& control, POINT client) {
  return {client.x - control.BoundsRect().left, client.y - control.BoundsRect().top};
}

bool IsButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT message) {
  return message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

// A double click counts as a second press.
UINT AsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      return WM_LBUTTONDOWN;
    case WM_RBUTTONDBLCLK:
      return WM_RBUTTONDOWN;
    case WM_MBUTTONDBLCLK:
      return WM_MBUTTONDOWN;
    default:
      return message;
  }
}

}  // namespace

TGraphicControl::TGraphicControl(TControlHost& host) : host_(&host) {
  host.Add(this);
}

TGraphicControl::~TGraphicControl() {
  if (host_) host_->Remove(this);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  Invalidate();
  bounds_ = {left, top, left + width, top + height};
  if (resized) Resized();
  Invalidate();
}

RECT TGraphicControl::ScreenRect() const {
  POINT corners[2] = {{bounds_.left, bounds_.top}, {bounds_.right, bounds_.bottom}};
  if (HWND parent = ParentWindow()) MapWindowPoints(parent, nullptr, corners, 2);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
}

HWND TGraphicControl::ParentWindow() const {
  return host_ ? host_->Window() : nullptr;
}

void TGraphicControl::Invalidate() {
  InvalidatePart({0, 0, Width(), Height()});
}

void TGraphicControl::InvalidatePart(const RECT& part) {
  HWND parent = ParentWindow();
  if (!parent) return;
  RECT area = part;
  OffsetRect(&area, bounds_.left, bounds_.top);
  // Erase too: the controls let the background show through.
  InvalidateRect(parent, &area, TRUE);
}

void TGraphicControl::Repaint() {
  Invalidate();
  if (HWND parent = ParentWindow()) UpdateWindow(parent);
}

TControlHost::~TControlHost() {
  for (TGraphicControl* control : controls_) control->host_ = nullptr;
}

void TControlHost::Remove(TGraphicControl* control) {
  std::erase(controls_, control);
  if (hot_ == control) hot_ = nullptr;
  if (captured_ == control) {
    captured_ = nullptr;
    if (GetCapture() == parent_) ReleaseCapture();
  }
}

void TControlHost::PaintControls(HDC dc, const RECT& update) {
  for (TGraphicControl* control : controls_) {
    RECT part;
    if (!control->Visible() || !IntersectRect(&part, &update, &control->BoundsRect())) continue;
    SavedDC saved(dc);
    IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
    const RECT& bounds = control->BoundsRect();
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    OffsetRect(&part, -bounds.left, -bounds.top);
    control->Paint(dc, part);
  }
}

TGraphicControl* TControlHost::ControlAt(POINT client) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TGraphicControl* control = *it;
    if (control->Visible() && control->Enabled() && PtInRect(&control->BoundsRect(), client)) {
      return control;
    }
  }
  return nullptr;
}

void TControlHost::UpdateHot(POINT client) {
  TGraphicControl* now = ControlAt(client);
  if (now == hot_) return;
  TGraphicControl* old = hot_;
  hot_ = now;
  if (old) old->MouseLeave();
  if (now) now->MouseEnter();
}

void TControlHost::TrackLeave() {
  if (tracking_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, parent_, 0};
  tracking_ = TrackMouseEvent(&track) != FALSE;
}

bool TControlHost::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (message == WM_MOUSEMOVE) {
    TrackLeave();
    UpdateHot(client);
    if (TGraphicControl* target = captured_ ? captured_ : hot_) {
      target->MouseMove(Local(*target, client), wParam);
    }
    return true;
  }
  if (message == WM_MOUSELEAVE) {
    tracking_ = false;
    if (!captured_ && hot_) std::exchange(hot_, nullptr)->MouseLeave();
    return true;
  }
  if (message == WM_CAPTURECHANGED) {
    if (captured_ && reinterpret_cast<HWND>(lParam) != parent_) {
      std::exchange(captured_, nullptr)->CaptureLost();
    }
    return true;
  }
  if (IsButtonDown(message)) {
    UpdateHot(client);
    TGraphicControl* target = captured_ ? captured_ : hot_;
    if (!target) return true;
    if (!captured_) {
      captured_ = target;
      SetCapture(parent_);
    }
    target->MouseDown(AsPress(message), Local(*target, client), wParam);
    return true;
  }
  if (IsButtonUp(message)) {
    TGraphicControl* target = captured_ ? captured_ : ControlAt(client);
    const bool stillHeld = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    if (captured_ && !stillHeld) {
      captured_ = nullptr;
      if (GetCapture() == parent_) ReleaseCapture();
    }
    if (target) target->MouseUp(message, Local(*target, client), wParam);
    UpdateHot(client);
    return true;
  }
  return false;
}

}  // namespace qv::win32
