#pragma once
// Popup menus built from the menu model right before they open.
#include <windows.h>

#include <memory>
#include <utility>

#include "ui/menu_model.h"

namespace qv::win32 {

// A system menu built from the model, destroyed (with its submenus) with the owner.
class UniqueMenu {
 public:
  explicit UniqueMenu(HMENU menu = nullptr) : menu_(menu) {}
  ~UniqueMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  UniqueMenu(UniqueMenu&& other) noexcept
      : menu_(std::exchange(other.menu_, nullptr)), itemData_(std::move(other.itemData_)) {}
  UniqueMenu& operator=(UniqueMenu&& other) noexcept {
    std::swap(menu_, other.menu_);
    std::swap(itemData_, other.itemData_);
    return *this;
  }
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  HMENU Get() const { return menu_; }
  // What owner-drawn items point to; it lives as long as the menu.
  void KeepItemData(std::shared_ptr<void> data) { itemData_ = std::move(data); }

 private:
  HMENU menu_;
  std::shared_ptr<void> itemData_;
};
// In the program's own look when a menu painter is set.
UniqueMenu BuildPopupMenu(const Menu& menu);

// Shows the menu at a screen point, owned by `owner`, and returns the chosen
// command id (0 when the menu was dismissed).
uint16_t TrackMenu(const Menu& menu, HWND owner, POINT screen);

}  // namespace qv::win32
