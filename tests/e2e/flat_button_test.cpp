// The windowless controls in a window of the test's own: a TGround filling it
// and a TFlatButton on top, driven by mouse messages with the cursor moved to
// match. Which face a button shows when, and what each face holds, is
// unit-tested (flat_button_pointer, flat_button_images); here GDI paints the
// faces through the key mask onto the ground, checked on the window's surface.
#include <gtest/gtest.h>

#include <memory>

#include "e2e_support.h"
#include "ui/flat_button_win32.h"
#include "ui/gdi_bitmaps_win32.h"
#include "ui/ground_win32.h"
#include "ui/paint_guards_win32.h"

namespace qv::win32 {
namespace {

constexpr uint32_t kKey = 0xFF00FF;
constexpr uint32_t kRed = 0xE01010;
constexpr uint32_t kBackground = 0x00C000;  // the window's own background
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kGround = 1;  // stands for "the ground's colour of that row"
constexpr int kWidth = 120;
constexpr int kHeight = 80;  // taller than the 56-row grounds
constexpr POINT kOrigin{200, 150};

// The host window: paints its background, then its windowless controls.
class HostWindow {
 public:
  HostWindow() {
    static const ATOM atom = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &HostWindow::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = L"QvControlHostTest";
      return RegisterClassW(&wc);
    }();
    (void)atom;
    hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"QvControlHostTest", L"host",
                            WS_POPUP, kOrigin.x, kOrigin.y, kWidth, kHeight, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    host_ = std::make_unique<TControlHost>(hwnd_);
  }
  ~HostWindow() {
    ground.reset();
    button.reset();
    host_.reset();
    DestroyWindow(hwnd_);
  }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  TControlHost& Host() { return *host_; }
  // Lets pending paints happen.
  void Flush() {
    UpdateWindow(hwnd_);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    UpdateWindow(hwnd_);
    GdiFlush();
  }
  uint32_t Pixel(int x, int y) const {
    WindowDC dc(hwnd_);
    const COLORREF c = GetPixel(dc.Get(), x, y);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  }
  // Moves the real cursor to the client point, then tells the window.
  void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
    SetCursorPos(kOrigin.x + x, kOrigin.y + y);
    SendMessageW(hwnd_, message, keys, MAKELPARAM(x, y));
    Flush();
  }

  std::unique_ptr<TGround> ground;
  std::unique_ptr<TFlatButton> button;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->host_) {
      if (message == WM_ERASEBKGND) {
        RECT client{0, 0, kWidth, kHeight};
        FillSolid(reinterpret_cast<HDC>(wParam), client, kBackground);
        return 1;
      }
      if (message == WM_PAINT) {
        PaintScope paint(hwnd);
        self->host_->PaintControls(paint.Dc(), paint.Update());
        return 0;
      }
      if (self->host_->HandleMouse(message, wParam, lParam)) return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }

  HWND hwnd_ = nullptr;
  std::unique_ptr<TControlHost> host_;
};

class Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(5, 5);  // off the window
    ASSERT_TRUE(window.Handle());
    window.ground = std::make_unique<TGround>(window.Host());
    window.ground->SetBounds(0, 0, kWidth, kHeight);
    ASSERT_TRUE(window.ground->LoadBitmap(GetModuleHandleW(nullptr), L"GROUND-M-S"));
    ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    window.Flush();
  }

  uint32_t GroundRow(int y) const { return window.ground->Table().Colours().at(y); }

  struct Px {
    int x, y;
    uint32_t colour;  // kGround: the ground's row colour
  };
  void ExpectPixels(const char* when, std::initializer_list<Px> pixels) {
    SCOPED_TRACE(when);
    for (const Px& p : pixels)
      EXPECT_EQ(window.Pixel(p.x, p.y), p.colour == kGround ? GroundRow(p.y) : p.colour)
          << p.x << "," << p.y;
  }
  // Every row of the ground at both ends of the window; the background below.
  void ExpectGroundRows(const char* when) {
    SCOPED_TRACE(when);
    const std::vector<uint32_t>& rows = window.ground->Table().Colours();
    ASSERT_EQ(rows.size(), 56u);
    for (int y = 0; y < kHeight; ++y) {
      const uint32_t expected = y < 56 ? rows[static_cast<size_t>(y)] : kBackground;
      ASSERT_EQ(window.Pixel(3, y), expected) << "row " << y;
      ASSERT_EQ(window.Pixel(kWidth - 1, y), expected) << "row " << y;
    }
  }

  HostWindow window;
};

// A 24 x 24 button at (40, 10) with a 22 x 22 glyph on the key: a red square
// at client (47..56, 17..26) with a key-coloured hole at (51, 21).
TEST_F(Controls, FlatButtonPaintsEachFaceThroughItsKeyAndClicks) {
  Bitmap32 glyph{22, 22, std::vector<uint32_t>(22 * 22, kKey)};
  for (int y = 6; y < 16; ++y)
    for (int x = 6; x < 16; ++x) glyph.at(x, y) = kRed;
  glyph.at(10, 10) = kKey;
  int clicks = 0, enters = 0, leaves = 0;
  auto& button = window.button = std::make_unique<TFlatButton>(window.Host());
  button->SetBounds(40, 10, 24, 24);
  button->SetGlyph(glyph);
  button->OnClick = [&] { ++clicks; };
  button->OnMouseEnter = [&] { ++enters; };
  button->OnMouseLeave = [&] { ++leaves; };
  window.Flush();
  const std::initializer_list<Px> normal = {
      {40, 10, kGround}, {63, 20, kGround}, {47, 17, kRed}, {51, 21, kGround}};
  ExpectPixels("at rest", normal);
  e2e::SaveArtifact(e2e::CaptureWindow(window.Handle()), "flat_button_normal.bmp");

  window.Mouse(WM_MOUSEMOVE, 52, 22);
  EXPECT_EQ(enters, 1);
  ExpectPixels("hover", {{45, 10, kWhite}, {63, 20, kGrey}, {47, 17, kRed}});
  window.Mouse(WM_LBUTTONDOWN, 52, 22, MK_LBUTTON);
  ExpectPixels(
      "pressed: frame swapped, glyph and hole shifted by (1, 1)",
      {{45, 10, kGrey}, {63, 20, kWhite}, {47, 17, kGround}, {48, 18, kRed}, {52, 22, kGround}});
  EXPECT_EQ(clicks, 0) << "a press alone does not click";
  window.Mouse(WM_LBUTTONUP, 52, 22);
  EXPECT_EQ(clicks, 1);
  window.Mouse(WM_MOUSEMOVE, 100, 60);
  EXPECT_EQ(leaves, 1);
  ExpectPixels("pointer gone: edges redrawn from the normal face", normal);

  // The program's own artwork: a 24-bit glyph and a 16-colour picture.
  ASSERT_TRUE(button->LoadGlyph(GetModuleHandleW(nullptr), L"GLYPH-EXIT"));
  EXPECT_EQ(button->Images().key, kKey);
  auto menu = LoadBitmapResource(GetModuleHandleW(nullptr), L"MENU3");
  ASSERT_TRUE(menu);
  EXPECT_EQ(std::pair(menu->width, menu->height), std::pair(13, 54));
}

TEST_F(Controls, GroundPaintsItsRowsDirectOrBufferedAndLeavesTheRestUntouched) {
  EXPECT_EQ(window.ground->Bitmap().width, 1) << "5 x 56 reads back as 1 x 56";
  ExpectGroundRows("direct");
  window.ground->SetBuffered(true);
  ASSERT_TRUE(window.ground->LoadBitmap(GetModuleHandleW(nullptr), L"GROUND-N-S"));
  window.Flush();
  ExpectGroundRows("buffered, whole");
  RECT part{10, 40, 60, 70};  // across the table's end
  InvalidateRect(window.Handle(), &part, TRUE);
  window.Flush();
  ExpectGroundRows("buffered, partial");
}

}  // namespace
}  // namespace qv::win32
