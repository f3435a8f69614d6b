#pragma once
// The windows in front and synthesised keyboard input: what pasting into
// another application needs from the system.
#include <cstdint>

namespace qv {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // One of the program's own windows is the foreground window.
  virtual bool OwnWindowInFront() = 0;
  // Puts the main window into the topmost band or takes it out, without
  // moving, sizing or activating it.
  virtual void SetMainWindowTopmost(bool topmost) = 0;
  // Brings back the last foreground window that was not the program's own.
  // False when there is none or it is gone.
  virtual bool RestorePreviousApplication() = 0;
  // Synthesised key presses and releases (virtual-key codes).
  virtual void KeyDown(uint16_t key) = 0;
  virtual void KeyUp(uint16_t key) = 0;
  // Ctrl, Shift, Alt or a Windows key is held down now.
  virtual bool ModifiersHeld() = 0;
};

}  // namespace qv
