// The windowless controls in a window of the test's own: a TGround filling it
// and TFlatButtons on top, driven by mouse messages with the cursor moved to
// match, and checked pixel by pixel on the window's surface. Which face a
// button shows when is unit-tested (flat_button_pointer, flat_button_images);
// here GDI paints the faces through the key mask onto the ground.
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
constexpr int kWidth = 120;
constexpr int kHeight = 80;  // taller than the 56-row grounds
constexpr POINT kOrigin{200, 150};
constexpr RECT kButton{40, 10, 64, 34};

// 22 x 22 on the key: a red square at (6..15, 6..15) with a key-coloured hole at (10, 10).
Bitmap32 TestGlyph() {
  Bitmap32 glyph{22, 22, std::vector<uint32_t>(22 * 22, kKey)};
  for (int y = 6; y < 16; ++y)
    for (int x = 6; x < 16; ++x) glyph.at(x, y) = kRed;
  glyph.at(10, 10) = kKey;
  return glyph;
}

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
    art.reset();
    host_.reset();
    DestroyWindow(hwnd_);
  }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  TControlHost& Host() { return *host_; }
  void Show() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    Flush();
  }
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
  void Screenshot(const char* name) const { e2e::SaveArtifact(e2e::CaptureWindow(hwnd_), name); }

  std::unique_ptr<TGround> ground;
  std::unique_ptr<TFlatButton> button;
  std::unique_ptr<TFlatButton> art;

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

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(5, 5);  // off the window
    ASSERT_TRUE(window.Handle());
    window.ground = std::make_unique<TGround>(window.Host());
    window.ground->SetBounds(0, 0, kWidth, kHeight);
    ASSERT_TRUE(window.ground->LoadBitmap(GetModuleHandleW(nullptr), L"GROUND-M-S"));
    window.Show();
  }

  uint32_t GroundRow(int y) const { return window.ground->Table().Colours().at(y); }

  HostWindow window;
};

using FlatButton = ControlsTest;
using Ground = ControlsTest;

class FlatButtonUnderTest : public FlatButton {
 protected:
  void SetUp() override {
    FlatButton::SetUp();
    auto& button = window.button = std::make_unique<TFlatButton>(window.Host());
    button->SetBounds(kButton.left, kButton.top, 24, 24);
    button->SetGlyph(TestGlyph());
    button->OnClick = [this] { ++clicks; };
    button->OnMouseEnter = [this] { ++enters; };
    button->OnMouseLeave = [this] { ++leaves; };
    window.art = std::make_unique<TFlatButton>(window.Host());
    window.art->SetBounds(80, 10, 24, 24);
    ASSERT_TRUE(window.art->LoadGlyph(GetModuleHandleW(nullptr), L"GLYPH-EXIT"));
    window.Flush();
  }

  // Normal picture: key corners show the ground, the red square sits at
  // client (47..56, 17..26) with the ground showing through its hole.
  void ExpectNormal(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(window.Pixel(40, 10), GroundRow(10));
    EXPECT_EQ(window.Pixel(63, 20), GroundRow(20));
    EXPECT_EQ(window.Pixel(50, 33), GroundRow(33));
    EXPECT_EQ(window.Pixel(47, 17), kRed);
    EXPECT_EQ(window.Pixel(51, 21), GroundRow(21));
  }
  void ExpectHotFrame(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(window.Pixel(45, 10), kWhite);
    EXPECT_EQ(window.Pixel(40, 20), kWhite);
    EXPECT_EQ(window.Pixel(63, 20), kGrey);
    EXPECT_EQ(window.Pixel(50, 33), kGrey);
    EXPECT_EQ(window.Pixel(47, 17), kRed) << "glyph not shifted";
  }
  void ExpectPressed(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(window.Pixel(45, 10), kGrey);
    EXPECT_EQ(window.Pixel(40, 20), kGrey);
    EXPECT_EQ(window.Pixel(63, 10), kWhite);
    EXPECT_EQ(window.Pixel(63, 20), kWhite);
    EXPECT_EQ(window.Pixel(50, 33), kWhite);
    EXPECT_EQ(window.Pixel(47, 17), GroundRow(17)) << "glyph shifted by (1, 1)";
    EXPECT_EQ(window.Pixel(48, 18), kRed);
    EXPECT_EQ(window.Pixel(52, 22), GroundRow(22)) << "hole shifted too";
  }

  int clicks = 0;
  int enters = 0;
  int leaves = 0;
};

TEST_F(FlatButtonUnderTest, HoverPressAndClick) {
  ExpectNormal("at rest");
  window.Screenshot("flat_button_normal.bmp");

  window.Mouse(WM_MOUSEMOVE, 52, 22);
  EXPECT_EQ(enters, 1);
  ExpectHotFrame("hover");
  window.Screenshot("flat_button_hot.bmp");

  window.Mouse(WM_LBUTTONDOWN, 52, 22, MK_LBUTTON);
  ExpectPressed("pressed");
  window.Screenshot("flat_button_pressed.bmp");
  EXPECT_EQ(clicks, 0) << "a press alone does not click";

  window.Mouse(WM_LBUTTONUP, 52, 22);
  EXPECT_EQ(clicks, 1);
  ExpectHotFrame("released inside, pointer still over it");

  window.Mouse(WM_MOUSEMOVE, 100, 60);
  EXPECT_EQ(leaves, 1);
  ExpectNormal("pointer gone: edges redrawn from the normal image");
}

TEST_F(FlatButtonUnderTest, ResourceGlyphLoadsWithItsKey) {
  ASSERT_EQ(window.art->Glyph().width, 22);
  EXPECT_EQ(window.art->Images().key, kKey);
  EXPECT_EQ(window.Pixel(80, 10), GroundRow(10)) << "key corner transparent";
  auto menu = LoadBitmapResource(GetModuleHandleW(nullptr), L"MENU3");
  ASSERT_TRUE(menu) << "16-colour resource";
  EXPECT_EQ(menu->width, 13);
  EXPECT_EQ(menu->height, 54);
  EXPECT_EQ(menu->at(0, 0), kKey);
}

void ExpectGroundRows(HostWindow& window, const std::vector<uint32_t>& rows, const char* when) {
  SCOPED_TRACE(when);
  ASSERT_EQ(rows.size(), 56u);
  for (int y = 0; y < kHeight; ++y) {
    const uint32_t expected = y < 56 ? rows[static_cast<size_t>(y)] : kBackground;
    ASSERT_EQ(window.Pixel(3, y), expected) << "row " << y;
    ASSERT_EQ(window.Pixel(kWidth - 1, y), expected) << "row " << y;
  }
}

TEST_F(Ground, PaintsItsRowsDirectOrBufferedAndLeavesTheRestUntouched) {
  EXPECT_EQ(window.ground->Bitmap().width, 1) << "5 x 56 reads back as 1 x 56";
  EXPECT_EQ(GroundRow(0), 0xD2D2FFu);
  ExpectGroundRows(window, window.ground->Table().Colours(), "direct");
  window.Screenshot("ground_direct.bmp");
  window.ground->SetBuffered(true);
  ASSERT_TRUE(window.ground->LoadBitmap(GetModuleHandleW(nullptr), L"GROUND-N-S"));
  window.Flush();
  EXPECT_EQ(GroundRow(0), 0xB4B4FFu);
  ExpectGroundRows(window, window.ground->Table().Colours(), "buffered, whole");
  RECT part{10, 40, 60, 70};  // across the table's end
  InvalidateRect(window.Handle(), &part, TRUE);
  window.Flush();
  ExpectGroundRows(window, window.ground->Table().Colours(), "buffered, partial");
}

}  // namespace
}  // namespace qv::win32
