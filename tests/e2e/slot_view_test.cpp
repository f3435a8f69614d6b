// The slot view component inside a window of the test's own: controls are
// made once, kinds switch without making more, press-and-hold opens a view.
#include "codecs/bmp.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include "e2e_support.h"
#include "ui/slot_view_win32.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;
using win32::TSlot;

class SlotHost {
 public:
  SlotHost() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QvSlotHost";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"host", WS_POPUP | WS_VISIBLE, 10, 10, 300, 70,
                            nullptr, nullptr, wc.hInstance, nullptr);
    slot = std::make_unique<TSlot>(hwnd_, GetModuleHandleW(nullptr), 1);
    slot->CreateViews();
    slot->SetClipboardStyle(false);
    slot->SetMenuNumber(1);
    slot->SetBounds(2, 2, 290, 56);
  }
  ~SlotHost() {
    slot.reset();
    DestroyWindow(hwnd_);
  }
  std::unique_ptr<TSlot> slot;

 private:
  HWND hwnd_;
};

TEST(SlotView, SwitchingKindsMakesNoControlsAndLaysOutEachKindOnce) {
  SlotHost host;
  TSlot& slot = *host.slot;
  const size_t controls = slot.ControlCount();
  EXPECT_GT(controls, 40u);
  slot.SetDisplayKind(1);
  const int layouts = slot.LayoutCount();
  for (int round = 0; round < 50; ++round) {
    for (int kind : {1, 3, 1, 6, 8, 2}) slot.SetDisplayKind(kind);
  }
  EXPECT_EQ(slot.ControlCount(), controls) << "switching kinds never creates controls";
  EXPECT_EQ(slot.LayoutCount(), layouts) << "a kind laid out once is not laid out again";
  slot.SetDisplayKind(9);
  slot.SetDisplayKind(0);
  EXPECT_EQ(slot.Kind(), DisplayKind::kOnlyText) << "kinds outside 1..8 leave the view as it was";
  slot.SetBounds(2, 2, 400, 56);
  EXPECT_EQ(slot.LayoutCount(), layouts + 1) << "a width change lays out only the visible kind";
}

TEST(SlotView, PressAndHoldOpensTheViewerReleaseFirstDoesNot) {
  SlotHost host;
  TSlot& slot = *host.slot;
  slot.SetDisplayKind(2);
  slot.SetPreview(u"hold me");
  int views = 0, ups = 0;
  RECT viewed{};
  slot.OnView = [&](TSlot&, TSlot::Part part, RECT screen) {
    EXPECT_EQ(part, TSlot::Part::Text);
    viewed = screen;
    ++views;
  };
  slot.OnMouseUp = [&](TSlot&, TSlot::Part, UINT) { ++ups; };
  const LPARAM onPreview = MAKELPARAM(40, 20);
  // Released at once: MouseUp, never View.
  SendMessageW(slot.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onPreview);
  SendMessageW(slot.Handle(), WM_LBUTTONUP, 0, onPreview);
  WaitUntil([] { return false; }, std::chrono::milliseconds(GetDoubleClickTime()));
  EXPECT_EQ(views, 0);
  EXPECT_EQ(ups, 1);
  // A right press starts nothing.
  SendMessageW(slot.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, onPreview);
  WaitUntil([] { return false; }, std::chrono::milliseconds(GetDoubleClickTime()));
  EXPECT_EQ(views, 0);
  SendMessageW(slot.Handle(), WM_RBUTTONUP, 0, onPreview);
  // Held: the view opens with the preview's screen rectangle.
  SendMessageW(slot.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onPreview);
  EXPECT_TRUE(WaitUntil([&] { return views == 1; }, 5s));
  RECT slotRect{};
  GetWindowRect(slot.Handle(), &slotRect);
  EXPECT_EQ(viewed.left, slotRect.left + 11);
  EXPECT_EQ(viewed.right - viewed.left, 290 - 32);
  SendMessageW(slot.Handle(), WM_LBUTTONUP, 0, onPreview);
}

TEST(SlotView, EmptyKindsOfferNoMenu) {
  SlotHost host;
  TSlot& slot = *host.slot;
  int menus = 0, moves = 0;
  slot.OnMenuClick = [&](TSlot&) { ++menus; };
  slot.OnSlotMouseMove = [&](TSlot&) { ++moves; };
  slot.SetDisplayKind(7);
  const LPARAM onMenu = MAKELPARAM(283, 20);
  SendMessageW(slot.Handle(), WM_MOUSEMOVE, 0, onMenu);
  SendMessageW(slot.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onMenu);
  SendMessageW(slot.Handle(), WM_LBUTTONUP, 0, onMenu);
  EXPECT_EQ(menus, 0);
  EXPECT_GE(moves, 1) << "kinds 7 and 8 still report the pointer";
  slot.SetDisplayKind(1);
  // The button tells inside from outside by the real pointer.
  POINT screen{283, 20};
  ClientToScreen(slot.Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageW(slot.Handle(), WM_MOUSEMOVE, 0, onMenu);
  SendMessageW(slot.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onMenu);
  SendMessageW(slot.Handle(), WM_LBUTTONUP, 0, onMenu);
  EXPECT_EQ(menus, 1);
}

}  // namespace
}  // namespace qv::e2e
