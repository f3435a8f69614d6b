#include "ui/flat_button_pointer.h"

namespace qv {

ButtonPaint FlatButtonPointer::Press() {
  down_ = true;
  return ButtonPaint::Repaint;
}

ButtonRelease FlatButtonPointer::Release(bool inside) {
  const bool wasDown = down_;
  down_ = false;
  if (inside) return {ButtonPaint::Repaint, wasDown};
  return {ButtonPaint::InvalidateEdges, false};
}

}  // namespace qv
