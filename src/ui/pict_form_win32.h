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
#include "ui/viewer_window_win32.h"

namespace qv {

class TPictForm : public TViewerWindow {
 public:

  // Creates the viewer hidden, with a ground of 4u x 3u for the picture size
  // option u and the given background (0x00BBGGRR); `mainWindow` gets the
  // foreground back when the viewer is hidden. Handle() is null when creation failed.
  TPictForm(HWND mainWindow, int pictureSize, COLORREF background);
  ~TPictForm() override;

  void SetBackground(COLORREF background);
  COLORREF Background() const { return background_; }

  // Takes a copy of the picture, hides the screen pointer and shows the
  // viewer topmost at (left, top) in screen coordinates without activating it.
  void ShowPict(const Bitmap32& picture, int left, int top);

 private:
  void Paint(HDC dc) override;

  COLORREF background_;
  Bitmap32 picture_;
  win32::GdiBrush groundBrush_;
};

}  // namespace qv
