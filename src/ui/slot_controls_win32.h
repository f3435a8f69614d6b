#pragma once
// The simple windowless controls a slot view is made of: text labels,
// pictures, solid panels and transparent hit areas.
#include "codecs/bmp.h"

#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/handles_win32.h"
#include "ui/graphic_control_win32.h"

namespace qv::win32 {

// Mouse callbacks for controls that report the pointer to their owner.
class TMouseControl : public TGraphicControl {
 public:
  explicit TMouseControl(TControlHost& host) : TGraphicControl(host) {}
  std::function<void()> onMove;
  std::function<void(UINT button, POINT)> onDown;
  std::function<void(UINT button, POINT)> onUp;
  void MouseMove(POINT, WPARAM) override {
    if (onMove) onMove();
  }
  void MouseDown(UINT button, POINT p, WPARAM) override {
    if (onDown) onDown(button, p);
  }
  void MouseUp(UINT button, POINT p, WPARAM) override {
    if (onUp) onUp(button, p);
  }
};

// Text in a given font and colour, transparent over what lies beneath.
class TLabel : public TMouseControl {
 public:
  enum class Align { Left, Center, Right };
  explicit TLabel(TControlHost& host) : TMouseControl(host) {}
  void SetText(std::u16string text);
  const std::u16string& Text() const { return text_; }
  void SetFont(HFONT font) { font_ = font; }
  void SetColour(COLORREF colour);
  void SetAlign(Align align) { align_ = align; }
  void SetVerticalCentre(bool centre) { vcentre_ = centre; }
  void SetWordWrap(bool wrap);
  void Paint(HDC dc, const RECT& update) override;

 private:
  std::u16string text_;
  HFONT font_ = nullptr;
  COLORREF colour_ = RGB(0, 0, 0);
  Align align_ = Align::Left;
  bool vcentre_ = false;
  bool wrap_ = false;
};

// A picture drawn at its natural size: at the top-left corner, or centred.
class TImage : public TMouseControl {
 public:
  explicit TImage(TControlHost& host) : TMouseControl(host) {}
  // The picture's pixels; an empty one clears the control.
  void SetPicture(const Bitmap32& picture);
  void SetCentre(bool centre) { centre_ = centre; }
  void Paint(HDC dc, const RECT& update) override;

 private:
  Bitmap32 picture_;
  bool centre_ = false;
};

// A rectangle of one colour (the separators).
class TSolidPanel : public TGraphicControl {
 public:
  explicit TSolidPanel(TControlHost& host) : TGraphicControl(host) {}
  void SetColour(uint32_t rgb);  // 0x00RRGGBB
  void Paint(HDC dc, const RECT& update) override;

 private:
  uint32_t colour_ = 0x008080;
};

// An invisible area that reports the mouse.
class THitArea : public TMouseControl {
 public:
  explicit THitArea(TControlHost& host) : TMouseControl(host) {}
  void Paint(HDC, const RECT&) override {}
};

}  // namespace qv::win32
