// The slot view component inside a window of the test's own: press-and-hold
// on the preview opens a view, a quick click does not.
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

}  // namespace
}  // namespace qv::e2e
