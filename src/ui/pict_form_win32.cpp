#include "ui/pict_form_win32.h"

namespace qv {
namespace {

constexpr const wchar_t* kClassName = L"QuorvanePictureView";

// Draws a 32-bit top-down picture with its top-left corner at (left, top).
void DrawPicture(HDC dc, const Bitmap32& picture, int left, int top) {
  if (picture.width <= 0 || picture.height <= 0) return;
  if (picture.pixels.size() < static_cast<size_t>(picture.width) * picture.height) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, left, top, picture.width, picture.height, 0, 0, 0, picture.height,
                    picture.pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

TPictForm::TPictForm(HWND mainWindow, int pictureSize, COLORREF background)
    : TViewerWindow(mainWindow),
      background_(background & 0x00FFFFFF),
      groundBrush_(CreateSolidBrush(background_)) {
  CreateViewer(kClassName, L"Picture View", 0, 4 * pictureSize + 2 * kFrame,
               3 * pictureSize + 2 * kFrame);
}

TPictForm::~TPictForm() { DestroyViewer(); }

void TPictForm::SetBackground(COLORREF background) {
  background_ = background & 0x00FFFFFF;
  groundBrush_.Reset(CreateSolidBrush(background_));
  if (window_) InvalidateRect(window_.Get(), nullptr, FALSE);
}

void TPictForm::ShowPict(const Bitmap32& picture, int left, int top) {
  if (!window_) return;
  picture_ = picture;
  InvalidateRect(window_.Get(), nullptr, FALSE);
  ShowAt(left, top);
}

void TPictForm::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  RECT ground{client.left + kFrame, client.top + kFrame, client.right - kFrame,
              client.bottom - kFrame};
  // Frame and ground around the picture, then the picture clipped to the ground.
  FillRect(dc, &client, frameBrush_.Get());
  FillRect(dc, &ground, groundBrush_.Get());
  int saved = SaveDC(dc);
  IntersectClipRect(dc, ground.left, ground.top, ground.right, ground.bottom);
  int left = ground.left + (ground.right - ground.left - picture_.width) / 2;
  int top = ground.top + (ground.bottom - ground.top - picture_.height) / 2;
  DrawPicture(dc, picture_, left, top);
  RestoreDC(dc, saved);
}

}  // namespace qv
