#pragma once
// How a flat button reacts to the pointer: what to paint and when to click.
// The Win32 control performs the painting; this decides it.

namespace qv {

enum class ButtonPaint {
  Repaint,          // redraw the whole button from its current image
  DrawHotFrame,     // draw only the raised frame over what is shown
  InvalidateEdges,  // have the four one-pixel edges redrawn
  Nothing,
};

struct ButtonRelease {
  ButtonPaint paint = ButtonPaint::Nothing;
  bool click = false;
};

class FlatButtonPointer {
 public:
  bool Down() const { return down_; }

  ButtonPaint Enter() const { return down_ ? ButtonPaint::Repaint : ButtonPaint::DrawHotFrame; }
  ButtonPaint Leave() const { return down_ ? ButtonPaint::Repaint : ButtonPaint::InvalidateEdges; }
  // A left press on the button.
  ButtonPaint Press();
  // A left release; `inside` is where the pointer is now. Clicks only when
  // the press happened on this button.
  ButtonRelease Release(bool inside);
  // Forgets a press (the capture went elsewhere).
  void Cancel() { down_ = false; }

 private:
  bool down_ = false;
};

}  // namespace qv
