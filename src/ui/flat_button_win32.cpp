#include "ui/flat_button_win32.h"

#include "ui/gdi_bitmaps_win32.h"
#include "ui/paint_guards_win32.h"

namespace qv::win32 {

TFlatButton::TFlatButton(TControlHost& host) : TGraphicControl(host) {
  SetBounds(0, 0, 32, 32);
}

void TFlatButton::SetGlyph(const Bitmap32& glyph) {
  glyph_ = glyph;
  Rebuild();
}

bool TFlatButton::LoadGlyph(HINSTANCE instance, const wchar_t* name) {
  std::optional<Bitmap32> glyph = LoadBitmapResource(instance, name);
  if (!glyph) return false;
  SetGlyph(*glyph);
  return true;
}

void TFlatButton::Rebuild() {
  images_ = BuildFlatButtonImages(glyph_, Width(), Height());
  for (FlatButtonFace face :
       {FlatButtonFace::Normal, FlatButtonFace::Hot, FlatButtonFace::Pressed}) {
    const Bitmap32& image = images_.Face(face);
    Face& target = faces_[static_cast<size_t>(face)];
    target.ink = CreateDib(BlackenKey(image, images_.key));
    target.mask = CreateMono(MakeKeyMask(image, images_.key));
  }
  Repaint();
}

void TFlatButton::Click() {
  if (OnClick) OnClick();
}

bool TFlatButton::PointerInside() const {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return false;
  const RECT screen = ScreenRect();
  return InsideWithEdges(cursor.x, cursor.y, screen.left, screen.top, Width(), Height());
}

FlatButtonFace TFlatButton::CurrentFace() const {
  return ChooseFlatButtonFace(PointerInside(), pointer_.Down());
}

void TFlatButton::Paint(HDC dc, const RECT&) {
  const Face& face = faces_[static_cast<size_t>(CurrentFace())];
  if (!face.ink || !face.mask) return;
  MemoryDC memory(CreateCompatibleDC(dc));
  if (!memory) return;
  // Mask: white (1) keeps the background, black clears it for the ink.
  SetBkColor(dc, RGB(255, 255, 255));
  SetTextColor(dc, RGB(0, 0, 0));
  {
    SelectedObject selected(memory.Get(), face.mask.Get());
    BitBlt(dc, 0, 0, Width(), Height(), memory.Get(), 0, 0, SRCAND);
  }
  SelectedObject selected(memory.Get(), face.ink.Get());
  BitBlt(dc, 0, 0, Width(), Height(), memory.Get(), 0, 0, SRCPAINT);
}

void TFlatButton::Apply(ButtonPaint paint) {
  switch (paint) {
    case ButtonPaint::Repaint:
      Repaint();
      break;
    case ButtonPaint::DrawHotFrame:
      DrawHotFrame();
      break;
    case ButtonPaint::InvalidateEdges:
      InvalidateEdges();
      break;
    case ButtonPaint::Nothing:
      break;
  }
}

void TFlatButton::DrawHotFrame() {
  HWND parent = ParentWindow();
  if (!parent || !Visible()) return;
  WindowDC dc(parent);
  if (!dc.Get()) return;
  SavedDC saved(dc.Get());
  const RECT& bounds = BoundsRect();
  for (const ColourRect& line : HotFrame(Width(), Height())) {
    RECT area{line.left, line.top, line.right, line.bottom};
    OffsetRect(&area, bounds.left, bounds.top);
    FillSolid(dc.Get(), area, line.colour);
  }
}

void TFlatButton::InvalidateEdges() {
  for (const ColourRect& edge : ButtonEdges(Width(), Height())) {
    InvalidatePart({edge.left, edge.top, edge.right, edge.bottom});
  }
}

void TFlatButton::MouseEnter() {
  Apply(pointer_.Enter());
  if (OnMouseEnter) OnMouseEnter();
}

void TFlatButton::MouseLeave() {
  Apply(pointer_.Leave());
  if (OnMouseLeave) OnMouseLeave();
}

void TFlatButton::MouseMove(POINT point, WPARAM keys) {
  if (OnMouseMove) OnMouseMove(point, keys);
}

void TFlatButton::MouseDown(UINT button, POINT, WPARAM) {
  if (button == WM_LBUTTONDOWN) Apply(pointer_.Press());
}

void TFlatButton::MouseUp(UINT button, POINT, WPARAM) {
  if (button != WM_LBUTTONUP) return;
  const ButtonRelease release = pointer_.Release(PointerInside());
  Apply(release.paint);
  if (release.click && OnClick) OnClick();
}

void TFlatButton::CaptureLost() {
  if (!pointer_.Down()) return;
  pointer_.Cancel();
  Repaint();
}

}  // namespace qv::win32
