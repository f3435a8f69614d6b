#pragma once
// What the two viewers share: a borderless, layered popup with a 2-pixel grey
// frame that is shown topmost over a slot without being activated, hides the
// screen pointer while it shows, and gives the foreground back to the main
// window when it hides.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/win32/window_handles_win32.h"

namespace qv {

class TViewerWindow {
 public:
  static constexpr int kFrame = 2;
  static constexpr COLORREF kFrameColor = RGB(128, 128, 128);

  virtual ~TViewerWindow();
  TViewerWindow(const TViewerWindow&) = delete;
  TViewerWindow& operator=(const TViewerWindow&) = delete;

  // The window's size, frame included.
  SIZE Size() const;
  // 255 is opaque.
  void SetOpacity(uint8_t opacity);
  // Hides the viewer, sets the arrow pointer back and brings the main window
  // to the foreground.
  void HideViewer();
  bool Visible() const;
  HWND Handle() const { return window_.Get(); }

 protected:
  explicit TViewerWindow(HWND mainWindow);
  // Creates the hidden window (outer size width x height). Called from the
  // derived constructor, so that painting reaches the derived class.
  bool CreateViewer(const wchar_t* className, const wchar_t* caption, DWORD style, int width,
                    int height);
  // Destroys the window; the derived destructor calls it while it can still paint.
  void DestroyViewer();
  // Hides the pointer and shows the viewer topmost at (left, top), not activated.
  void ShowAt(int left, int top);
  // Paints the whole client area (frame included).
  virtual void Paint(HDC dc) = 0;

  HWND mainWindow_;
  win32::GdiBrush frameBrush_;
  win32::Window window_;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  std::optional<win32::HiddenPointer> hiddenPointer_;
};

}  // namespace qv
