#pragma once
// The picture viewer: a borderless, layered window with a 2-pixel grey frame
// around a coloured ground that shows a picture centred, not stretched. It is
// shown over a slot while the left button is held on its preview and is never
// activated.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "codecs/bitmap32.h"
#include "platform/win32/window_handles_win32.h"

namespace qv {

class TPictForm {
 public:
  static constexpr int kFrame = 2;
  static constexpr COLORREF kFrameColor = RGB(128, 128, 128);

  // Creates the viewer hidden, with a ground of 4u x 3u for the picture size
  // option u and the given background (0x00BBGGRR); `mainWindow` gets the
  // foreground back when the viewer is hidden. Handle() is null when creation failed.
  TPictForm(HWND mainWindow, int pictureSize, COLORREF background);
  ~TPictForm();
  TPictForm(const TPictForm&) = delete;
  TPictForm& operator=(const TPictForm&) = delete;

  // The window's size: the ground plus the frame on each side.
  SIZE Size() const;
  // 255 is opaque.
  void SetOpacity(uint8_t opacity);
  void SetBackground(COLORREF background);
  COLORREF Background() const { return background_; }

  // Takes a copy of the picture, hides the screen pointer and shows the
  // viewer topmost at (left, top) in screen coordinates without activating it.
  void ShowPict(const Bitmap32& picture, int left, int top);
  // Hides the viewer, sets the arrow pointer back and brings the main window
  // to the foreground.
  void HideViewer();
  bool Visible() const;

  HWND Handle() const { return window_.Get(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);

  HWND mainWindow_;
  COLORREF background_;
  Bitmap32 picture_;
  win32::GdiBrush frameBrush_;
  win32::GdiBrush groundBrush_;
  win32::Window window_;
  std::optional<win32::HiddenPointer> hiddenPointer_;
};

}  // namespace qv
