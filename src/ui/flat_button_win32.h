#pragma once
// TFlatButton: a windowless picture button. Its glyph's top-left pixel colour
// is transparent; it shows a raised frame while the pointer is over it and a
// sunken, shifted picture while it is pressed. The hover frame is drawn and
// erased by touching only the four edge lines.
#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "codecs/bitmap32.h"
#include "platform/win32/handles_win32.h"
#include "ui/flat_button_images.h"
#include "ui/flat_button_pointer.h"
#include "ui/graphic_control_win32.h"

namespace qv::win32 {

class TFlatButton : public TGraphicControl {
 public:
  // A 32 x 32 button at (0, 0) with no glyph.
  explicit TFlatButton(TControlHost& host);

  // Copies the glyph, rebuilds the three images and repaints.
  void SetGlyph(const Bitmap32& glyph);
  // Loads the glyph from a BITMAP resource; false when it cannot be loaded.
  bool LoadGlyph(HINSTANCE instance, const wchar_t* name);
  const Bitmap32& Glyph() const { return glyph_; }
  const FlatButtonImages& Images() const { return images_; }

  // Fires OnClick only, as a hotkey does.
  void Click();

  bool Down() const { return pointer_.Down(); }
  // The cursor's screen position lies within the button, edges included.
  bool PointerInside() const;
  FlatButtonFace CurrentFace() const;

  std::function<void()> OnClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  std::function<void(POINT, WPARAM)> OnMouseMove;
  // Shown by the owner's tooltip when ShowHint is set.
  std::wstring Hint;
  bool ShowHint = false;

  void Paint(HDC dc, const RECT& update) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove(POINT point, WPARAM keys) override;
  void MouseDown(UINT button, POINT point, WPARAM keys) override;
  void MouseUp(UINT button, POINT point, WPARAM keys) override;
  void CaptureLost() override;

 protected:
  void Resized() override { Rebuild(); }

 private:
  // An image ready for transparent drawing: key pixels blacked out, and the
  // mask that is white where the key was.
  struct Face {
    GdiBitmap ink;
    GdiBitmap mask;
  };

  void Rebuild();
  void Apply(ButtonPaint paint);
  void DrawHotFrame();
  void InvalidateEdges();

  Bitmap32 glyph_;
  FlatButtonImages images_;
  std::array<Face, 3> faces_;  // by FlatButtonFace
  FlatButtonPointer pointer_;
};

}  // namespace qv::win32
