#include "ui/slot_controls_win32.h"

#include "ui/paint_guards_win32.h"

namespace qv::win32 {

void TLabel::SetText(std::u16string text) {
  if (text == text_) return;
  text_ = std::move(text);
  Invalidate();
}

void TLabel::SetColour(COLORREF colour) {
  if (colour == colour_) return;
  colour_ = colour;
  Invalidate();
}

void TLabel::SetWordWrap(bool wrap) {
  if (wrap == wrap_) return;
  wrap_ = wrap;
  Invalidate();
}

void TLabel::Paint(HDC dc, const RECT&) {
  if (text_.empty()) return;
  SavedDC saved(dc);
  if (font_) SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour_);
  UINT format = DT_NOPREFIX | (wrap_ ? DT_WORDBREAK : 0);
  format |= align_ == Align::Center ? DT_CENTER : align_ == Align::Right ? DT_RIGHT : DT_LEFT;
  RECT area{0, 0, Width(), Height()};
  auto* text = reinterpret_cast<const wchar_t*>(text_.c_str());
  const int length = static_cast<int>(text_.size());
  if (vcentre_) {
    RECT measure = area;
    DrawTextW(dc, text, length, &measure, format | DT_CALCRECT);
    const int textHeight = measure.bottom - measure.top;
    if (textHeight < area.bottom) area.top = (area.bottom - textHeight) / 2;
  }
  DrawTextW(dc, text, length, &area, format);
}

void TImage::SetPicture(const Bitmap32& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  Invalidate();
}

void TImage::Paint(HDC dc, const RECT&) {
  if (picture_.width <= 0 || picture_.height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture_.width;
  info.bmiHeader.biHeight = -picture_.height;  // top-down rows, as Bitmap32 keeps them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  int x = 0, y = 0;
  if (centre_) {
    x = (Width() - picture_.width) / 2;
    y = (Height() - picture_.height) / 2;
  }
  SetDIBitsToDevice(
      dc, x, y, static_cast<DWORD>(picture_.width), static_cast<DWORD>(picture_.height), 0, 0, 0,
      static_cast<UINT>(picture_.height), picture_.pixels.data(), &info, DIB_RGB_COLORS);
}

void TSolidPanel::SetColour(uint32_t rgb) {
  if (rgb == colour_) return;
  colour_ = rgb;
  Invalidate();
}

void TSolidPanel::Paint(HDC dc, const RECT&) {
  FillSolid(dc, RECT{0, 0, Width(), Height()}, colour_);
}

}  // namespace qv::win32
