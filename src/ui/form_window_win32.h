#pragma once
// A dialog window built from controls at run time: shown modally over its
// owner with its own message loop, or modeless with the program's loop
// passing it its messages; keyboard navigation between its controls, Esc to
// close and F1 for help. Its controls are listed by component name in
// creation order, which is how the translated texts find them.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/window_handles_win32.h"

namespace qv::win32 {

struct NamedControl {
  std::string name;  // "btSave", "edName", ...; the window itself is named "...Form"
  HWND hwnd;
};

class TFormWindow {
 public:
  virtual ~TFormWindow() = default;
  TFormWindow(const TFormWindow&) = delete;
  TFormWindow& operator=(const TFormWindow&) = delete;

  // Shows the window centred over the owner (or the screen) and returns when
  // it is closed. The owner is disabled meanwhile.
  void ShowModal(HWND owner);
  // Shows the window where it is and returns at once; the program's message
  // loop passes it its messages through PreTranslate.
  void ShowModeless();
  // Closes the window when CanClose agrees.
  void Close();
  // For a modeless window: true when the message was the form's key or a
  // dialog navigation key, handled here.
  bool PreTranslate(MSG& msg);
  bool Showing() const { return showing_; }
  HWND Handle() const { return window_.Get(); }
  // The window first, then its controls in creation order.
  const std::vector<NamedControl>& Components() const { return components_; }
  HWND Control(int id) const { return GetDlgItem(window_.Get(), id); }

 protected:
  TFormWindow() = default;
  // Creates the hidden window with a client area of width x height.
  // An owned window stays above its owner.
  bool CreateForm(const char* name, const wchar_t* caption, int width, int height,
                  HWND owner = nullptr);
  HWND AddControl(const char* name, const wchar_t* className, const wchar_t* text, DWORD style,
                  int x, int y, int width, int height, int id, DWORD exStyle = 0);
  HWND AddLabel(const char* name, const wchar_t* text, int x, int y, int width, int height,
                int id = -1);
  HWND AddButton(const char* name, const wchar_t* text, int x, int y, int id,
                 bool isDefault = false);
  HWND AddEdit(const char* name, int x, int y, int width, int height, int id, bool multiLine);

  // The control's text, and a new one.
  std::u16string Text(int id) const;
  void SetText(int id, std::u16string_view text);
  void Enable(int id, bool enabled);
  void Show(int id, bool shown);
  // Hides a modeless window without closing it (no CanClose, no OnClose).
  void Hide();
  HFONT Font() const { return font_.Get(); }

  virtual void OnShow() {}
  virtual void OnCommand(int id, int notification) = 0;
  // Esc closes; F1 asks for help; others go to the controls.
  virtual void OnHelp() {}
  virtual bool CanClose() { return true; }
  // A key down for the window or one of its controls, before the form's own
  // keys; true when it was handled.
  virtual bool OnKey(WPARAM /*key*/) { return false; }
  // Any message of the window before the form's handling; true when handled,
  // with the result in `result`.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                         LRESULT& /*result*/) {
    return false;
  }
  virtual void OnClose() {}
  // The default button, run by Enter outside a multi-line edit.
  int defaultButton_ = 0;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // True when the key was the form's own (Esc, F1, Enter for the default button).
  bool FormKey(const MSG& msg);

  Window window_;
  GdiFont font_;
  std::vector<NamedControl> components_;
  bool showing_ = false;
  bool modal_ = false;
};

}  // namespace qv::win32
