#pragma once
// The text viewer: a borderless, layered window with a 2-pixel grey frame
// around a read-only rich-text control, shown over a slot while the left
// button is held on its preview. It is never activated.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/window_handles_win32.h"

namespace qv {

class TTextForm {
 public:
  static constexpr int kFrame = 2;
  static constexpr COLORREF kFrameColor = RGB(128, 128, 128);

  // Creates the viewer hidden, with a text area of width x height (the
  // options `text` width and height); `mainWindow` gets the foreground back
  // when the viewer is hidden. Handle() is null when creation failed.
  TTextForm(HWND mainWindow, int width, int height);
  ~TTextForm();
  TTextForm(const TTextForm&) = delete;
  TTextForm& operator=(const TTextForm&) = delete;

  // The window's size: the text area plus the frame on each side.
  SIZE Size() const;
  // Changes the text area to width x height.
  void Resize(int width, int height);
  // 255 is opaque.
  void SetOpacity(uint8_t opacity);
  // The font that text without its own formatting gets (not owned; it must
  // outlive the viewer or be replaced first). Null restores Tahoma 8.
  void SetFont(HFONT font);

  // Loads the rich text, hides the screen pointer and shows the viewer
  // topmost at (left, top) in screen coordinates without activating it.
  void ShowText(const std::string& rtf, int left, int top);
  // Hides the viewer, sets the arrow pointer back and brings the main window
  // to the foreground.
  void HideViewer();
  bool Visible() const;

  HWND Handle() const { return window_.Get(); }
  HWND RichEdit() const { return richEdit_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateRichEdit();
  void LoadRtf(const std::string& rtf);
  void Paint(HDC dc);

  HWND mainWindow_;
  win32::Module richEditLibrary_;  // outlives the control, which is a child of window_
  win32::GdiFont defaultFont_;
  HFONT font_ = nullptr;
  win32::GdiBrush frameBrush_;
  win32::Window window_;
  HWND richEdit_ = nullptr;
  std::optional<win32::HiddenPointer> hiddenPointer_;
};

}  // namespace qv
