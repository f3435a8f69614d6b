#pragma once
// The main window: it owns the program's model and brings the subsystems up
// and down in order. Its handlers are spread over main_form_*_win32.cpp by
// concern.
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/sound_win32.h"
#include "platform/win32/system_win32.h"

#include <windows.h>

#include <memory>
#include <string>

#include "app/app_core.h"

namespace qv {

class TMainForm {
 public:
  explicit TMainForm(HINSTANCE instance);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Creates the window, which runs the start-up sequence. False when the
  // window could not be created.
  bool Create();
  // The last steps of start-up, after the other windows exist.
  void FinishStartup();
  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(uint16_t id);

  // Lifecycle (main_form_lifecycle_win32.cpp).
  void FormCreate();
  void FormShow();
  void FormCloseQuery();
  void FormDestroy();
  void ExitProgram();
  void ShowMessage(const std::string& text);

  // Steps of start-up and shut-down whose subsystems are not built yet.
  void PrepareSlotPanels() {}
  void CreateTrayTimers() {}
  void ShowTrayIcon() {}
  void LayoutSlots() {}
  void StartIconTimer() {}
  void ApplyLanguage() {}
  void BuildSetsMenu() {}
  void CreateSettingsDialog() {}
  void SetTrayHintMode() {}
  void EnableTrayIcon() {}
  void UnregisterHotkeys() {}
  void ReleaseTimers() {}
  void ReleaseTextFont() {}

  // Clipboard viewer chain (main_form_clipboard_win32.cpp).
  void JoinClipboardChain();
  void LeaveClipboardChain();
  void OnChangeCbChain(HWND removed, HWND next);
  void OnDrawClipboard();
  void InformClipboardChange();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HWND NextViewer = nullptr;
  bool inChain_ = false;
  bool shutDown_ = false;

  win32::Win32Clipboard clipboard_;
  win32::Win32MetafileRenderer renderer_;
  win32::Win32System system_;
  win32::Win32SoundPlayer sound_;
  std::unique_ptr<AppCore> core_;
};

}  // namespace qv
