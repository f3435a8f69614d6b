#pragma once
// The painter of the program's own menu look (the option `stylemenus`):
// owner-drawn items with a grey gutter, a light text area, a framed
// highlight and flat separators.
#include <windows.h>

#include <memory>

#include "platform/win32/handles_win32.h"
#include "ui/styled_menu.h"

namespace qv::win32 {

class TStyledMenu {
 public:
  // With the system's menu font.
  explicit TStyledMenu(const MenuStyle& style);
  const MenuStyle& Style() const { return style_; }

  void MeasureItem(MEASUREITEMSTRUCT& measure) const;
  void DrawItem(const DRAWITEMSTRUCT& draw) const;

 private:
  MenuStyle style_;
  GdiFont font_;
  GdiFont boldFont_;
};

// The painter that styles the menus built from now on; null for the system's
// look. Not owned.
void SetMenuPainter(const TStyledMenu* painter);
const TStyledMenu* MenuPainter();

// Makes every item of `menu`, at every depth, owner-drawn by the painter. The
// result holds the items' texts and must live as long as the menu.
std::shared_ptr<void> ApplyMenuStyle(HMENU menu);

// WM_MEASUREITEM and WM_DRAWITEM for a styled menu item, from the window that
// owns the open menu: true when it was one.
bool HandleStyledMenuMessage(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qv::win32
