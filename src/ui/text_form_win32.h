#pragma once
// The text viewer: a borderless, layered window with a 2-pixel grey frame
// around a read-only rich-text control, shown over a slot while the left
// button is held on its preview. It is never activated.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/win32/window_handles_win32.h"
#include "ui/viewer_window_win32.h"

namespace qv {

class TTextForm : public TViewerWindow {
 public:

  // Creates the viewer hidden, with a text area of width x height (the
  // options `text` width and height); `mainWindow` gets the foreground back
  // when the viewer is hidden. Handle() is null when creation failed.
  TTextForm(HWND mainWindow, int width, int height);
  ~TTextForm() override;

  // Changes the text area to width x height.
  void Resize(int width, int height);
  // The font that text without its own formatting gets (not owned; it must
  // outlive the viewer or be replaced first). Null restores Tahoma 8.
  void SetFont(HFONT font);

  // Loads the rich text, hides the screen pointer and shows the viewer
  // topmost at (left, top) in screen coordinates without activating it.
  void ShowText(const std::string& rtf, int left, int top);

  HWND RichEdit() const { return richEdit_; }

 private:
  bool CreateRichEdit();
  void LoadRtf(const std::string& rtf);
  void Paint(HDC dc) override;

  win32::Module richEditLibrary_;  // outlives the control, which is a child of the window
  win32::GdiFont defaultFont_;
  HFONT font_ = nullptr;
  HWND richEdit_ = nullptr;
};

}  // namespace qv
