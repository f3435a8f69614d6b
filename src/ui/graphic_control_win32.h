#pragma once
// Windowless controls: pictures and buttons drawn on their parent window's
// surface. The parent owns a TControlHost and forwards WM_PAINT and its mouse
// messages to it; the host paints the controls in creation order (later ones
// above earlier ones) and routes the mouse to the topmost enabled control under
// the pointer, capturing it while a button is held, and reports when the
// pointer enters and leaves each control.
#include <windows.h>

#include <vector>

namespace qv::win32 {

class TControlHost;

class TGraphicControl {
 public:
  // Joins `host` above the controls created before it.
  explicit TGraphicControl(TControlHost& host);
  virtual ~TGraphicControl();
  TGraphicControl(const TGraphicControl&) = delete;
  TGraphicControl& operator=(const TGraphicControl&) = delete;

  // Position and size in the parent's client coordinates.
  void SetBounds(int left, int top, int width, int height);
  const RECT& BoundsRect() const { return bounds_; }
  int Width() const { return bounds_.right - bounds_.left; }
  int Height() const { return bounds_.bottom - bounds_.top; }
  RECT ScreenRect() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Disabled controls get no mouse input; it goes to what lies beneath.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  HWND ParentWindow() const;
  // Marks the whole control for repainting (its background too).
  void Invalidate();
  // Marks a part, in the control's own coordinates.
  void InvalidatePart(const RECT& part);
  // Invalidate, then paint at once.
  void Repaint();

  // Draws the control. The DC's origin is the control's top-left corner and
  // its clip region the control's part of the update; `update` is that part
  // in the control's coordinates.
  virtual void Paint(HDC dc, const RECT& update) = 0;

  // Mouse input, in the control's coordinates. `button` is the message
  // (WM_LBUTTONDOWN, WM_RBUTTONUP, ...); `keys` the message's wParam.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseMove(POINT, WPARAM /*keys*/) {}
  virtual void MouseDown(UINT /*button*/, POINT, WPARAM /*keys*/) {}
  virtual void MouseUp(UINT /*button*/, POINT, WPARAM /*keys*/) {}
  // The capture went elsewhere while a button was held on this control.
  virtual void CaptureLost() {}

 protected:
  // After the size changed.
  virtual void Resized() {}

 private:
  friend class TControlHost;
  TControlHost* host_;
  RECT bounds_{0, 0, 0, 0};
  bool visible_ = true;
  bool enabled_ = true;
};

class TControlHost {
 public:
  explicit TControlHost(HWND parent) : parent_(parent) {}
  // The controls must be gone first (declare the host before them); any left
  // are detached and stop painting.
  ~TControlHost();
  TControlHost(const TControlHost&) = delete;
  TControlHost& operator=(const TControlHost&) = delete;

  HWND Window() const { return parent_; }

  // Paints every visible control meeting `update` (client coordinates).
  void PaintControls(HDC dc, const RECT& update);

  // Handles WM_MOUSEMOVE, WM_MOUSELEAVE, WM_CAPTURECHANGED and the button
  // messages. True when the message was one of these.
  bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);

  // The topmost visible, enabled control containing the client point.
  TGraphicControl* ControlAt(POINT client) const;

 private:
  friend class TGraphicControl;
  void Add(TGraphicControl* control) { controls_.push_back(control); }
  void Remove(TGraphicControl* control);
  // Fires leave and enter when the control under `client` changed.
  void UpdateHot(POINT client);
  void TrackLeave();

  HWND parent_;
  std::vector<TGraphicControl*> controls_;  // bottom first
  TGraphicControl* hot_ = nullptr;
  TGraphicControl* captured_ = nullptr;
  bool tracking_ = false;
};

}  // namespace qv::win32
