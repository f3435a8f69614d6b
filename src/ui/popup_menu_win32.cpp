#include "ui/popup_menu_win32.h"

#include "ui/styled_menu_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

HMENU Build(const Menu& items) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  for (const MenuItem& item : items) {
    if (item.IsSeparator()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::u16string caption = Utf8ToUtf16(item.caption);
    UINT flags = MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED) |
                 (item.checked ? MF_CHECKED : MF_UNCHECKED);
    UINT_PTR id = item.id;
    if (!item.submenu.empty()) {
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(Build(item.submenu));
    }
    AppendMenuW(menu, flags, id, reinterpret_cast<const wchar_t*>(caption.c_str()));
    UINT position = static_cast<UINT>(GetMenuItemCount(menu) - 1);
    if (item.radio && item.checked) {
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_STRING | MFT_RADIOCHECK;
      SetMenuItemInfoW(menu, position, TRUE, &info);
    }
    if (item.isDefault) SetMenuDefaultItem(menu, position, TRUE);
  }
  return menu;
}

}  // namespace

UniqueMenu BuildPopupMenu(const Menu& menu) {
  UniqueMenu popup(Build(menu));
  if (popup.Get() && MenuPainter()) popup.KeepItemData(ApplyMenuStyle(popup.Get()));
  return popup;
}

uint16_t TrackMenu(const Menu& menu, HWND owner, POINT screen) {
  UniqueMenu popup = BuildPopupMenu(menu);
  if (!popup.Get()) return 0;
  // The owner must be in front, or the menu does not close when the user
  // clicks elsewhere; the empty message afterwards lets it finish closing.
  SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(
      TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                     screen.x, screen.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  return static_cast<uint16_t>(chosen);
}

}  // namespace qv::win32
