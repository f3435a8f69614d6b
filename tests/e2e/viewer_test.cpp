// The text and picture viewers inside this process: size, frame, content,
// the hidden pointer, and the foreground going back to the main
// window when a viewer hides (both viewers share that window code).
#include <gtest/gtest.h>

#include <richedit.h>

#include <string>

#include "e2e_support.h"
#include "platform/win32/window_handles_win32.h"
#include "ui/pict_form_win32.h"
#include "ui/text_form_win32.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t kGrey = 0x808080;  // 0x00RRGGBB
constexpr uint32_t kWhite = 0xFFFFFF;

SIZE ClientSize(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return SIZE{rect.right, rect.bottom};
}

BYTE Opacity(HWND hwnd) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags) || !(flags & LWA_ALPHA)) return 0;
  return alpha;
}

// The thread's cursor display count (ShowCursor's counter).
int CursorDisplayCount() {
  int count = ShowCursor(TRUE);
  ShowCursor(FALSE);
  return count - 1;
}

std::wstring RichEditText(HWND richEdit) {
  int length = GetWindowTextLengthW(richEdit);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(
      SendMessageW(richEdit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return text;
}

// A visible window standing in for the program's main window.
class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"QvViewerTestMain";
    win32::RegisterWindowClass(wc);
    main_.Reset(CreateWindowExW(0, wc.lpszClassName, L"Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700,
                                400, 300, 200, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(main_);
    other_.Reset(CreateWindowExW(0, wc.lpszClassName, L"Other", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 900, 500, 200, 150, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(other_);
    SetForegroundWindow(main_.Get());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_.Get(); }, 5s));
  }

  win32::Window main_;
  win32::Window other_;
};

using ViewerText = ViewerTest;
using ViewerPicture = ViewerTest;

const std::string kRtf =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}{\\colortbl;\\red0\\green0\\blue160;}"
    "\\f0\\fs16 Hello viewer\\par\\cf1 second line\\par}";

TEST_F(ViewerText, ABorderlessLayeredWindowShowsTheTextWithoutActivatingAndHidesThePointer) {
  TTextForm form(main_.Get(), 290, 180);
  HWND hwnd = form.Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(IsWindowVisible(hwnd)) << "created hidden";
  EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
  EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(Opacity(hwnd), 255);
  EXPECT_EQ(ClientSize(hwnd).cx, form.Size().cx) << "no border around the client area";
  HWND edit = form.RichEdit();
  ASSERT_NE(edit, nullptr);
  EXPECT_FALSE(IsWindowEnabled(edit)) << "never takes focus or mouse input";
  const int displayCount = CursorDisplayCount();

  form.ShowText("{\\rtf1 first}", 100, 100);
  // Text without a font of its own gets the viewer's, not Wine's bold System.
  SendMessageW(edit, EM_SETSEL, 0, 4);
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  EXPECT_STREQ(format.szFaceName, L"Tahoma");
  EXPECT_EQ(format.dwEffects & CFE_BOLD, 0u);

  form.ShowText(kRtf, 120, 90);
  ASSERT_TRUE(WaitUntil([&] { return form.Visible(); }, 5s));
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  EXPECT_EQ(rect.left, 120);
  EXPECT_EQ(rect.top, 90);
  EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetForegroundWindow(), main_.Get()) << "the viewer is not activated";
  const std::wstring text = RichEditText(edit);
  EXPECT_EQ(text.find(L"first"), std::wstring::npos) << "showing again replaces the text";
  EXPECT_NE(text.find(L"Hello viewer"), std::wstring::npos);
  EXPECT_NE(text.find(L"second line"), std::wstring::npos);
  EXPECT_EQ(GetCursor(), nullptr) << "pointer hidden";
  EXPECT_EQ(CursorDisplayCount(), displayCount - 1) << "hidden once for two shows";

  UpdateWindow(hwnd);
  const Bitmap32 shot = CaptureWindow(hwnd);
  SaveArtifact(shot, "text_viewer.bmp");
  ASSERT_EQ(shot.width, 294);
  EXPECT_EQ(shot.at(0, 0), kGrey);
  EXPECT_EQ(shot.at(292, 182), kGrey);
  EXPECT_EQ(shot.at(291, 181), kWhite) << "white text area inside the frame";
  EXPECT_EQ(shot.at(2, 2), kWhite);
  int dark = 0;  // some dark text pixels in the first lines
  for (int y = 2; y < 40; ++y)
    for (int x = 2; x < 150; ++x) dark += (shot.at(x, y) & 0xFF) < 0x80;
  EXPECT_GT(dark, 20);

  // Hiding gives back the pointer and the foreground to the main window.
  SetForegroundWindow(other_.Get());
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other_.Get(); }, 5s));
  form.HideViewer();
  EXPECT_TRUE(WaitUntil([&] { return !form.Visible(); }, 5s));
  EXPECT_FALSE(IsWindowVisible(hwnd));
  EXPECT_EQ(CursorDisplayCount(), displayCount);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main_.Get(); }, 5s));
}

// A picture with one colour and marked corners: blue top left, green bottom right.
Bitmap32 MarkedPicture(int width, int height) {
  Bitmap32 picture{width, height,
                   std::vector<uint32_t>(static_cast<size_t>(width) * height, 0xFF0000)};
  picture.at(0, 0) = 0x0000FF;
  picture.at(width - 1, height - 1) = 0x00FF00;
  return picture;
}

TEST_F(ViewerPicture, PaintsThePictureCentredOnTheGroundInsideTheFrame) {
  TPictForm form(main_.Get(), 120, RGB(255, 255, 255));
  HWND hwnd = form.Handle();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_NE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_FALSE(IsWindowVisible(hwnd)) << "created hidden";
  form.SetBackground(RGB(0, 0, 160));  // 0x00BBGGRR
  const uint32_t ground = 0x0000A0;    // 0x00RRGGBB
  const int displayCount = CursorDisplayCount();
  form.ShowPict(MarkedPicture(100, 50), 60, 40);
  ASSERT_TRUE(WaitUntil([&] { return form.Visible(); }, 5s));
  EXPECT_EQ(GetForegroundWindow(), main_.Get());
  EXPECT_EQ(CursorDisplayCount(), displayCount - 1);

  UpdateWindow(hwnd);
  for (const Bitmap32& shot : {CaptureWindow(hwnd), CaptureWindow(hwnd, true)}) {
    ASSERT_EQ(shot.width, 484) << "480 x 360 for the picture, a 2-pixel frame";
    ASSERT_EQ(shot.height, 364);
    // 2 + (480 - 100) / 2 = 192, 2 + (360 - 50) / 2 = 157.
    EXPECT_EQ(shot.at(192, 157), 0x0000FFu) << "top-left corner of the picture";
    EXPECT_EQ(shot.at(291, 206), 0x00FF00u) << "bottom-right corner, not stretched";
    EXPECT_EQ(shot.at(191, 157), ground);
    EXPECT_EQ(shot.at(292, 206), ground);
    EXPECT_EQ(shot.at(192, 156), ground);
    EXPECT_EQ(shot.at(1, 1), kGrey);
    EXPECT_EQ(shot.at(483, 363), kGrey);
    EXPECT_EQ(shot.at(481, 361), ground);
  }
  SaveArtifact(CaptureWindow(hwnd), "picture_viewer.bmp");
  form.HideViewer();
  EXPECT_EQ(CursorDisplayCount(), displayCount);
}

TEST_F(ViewerPicture, ALargerPictureIsCentredAndClippedToTheGround) {
  TPictForm form(main_.Get(), 40, RGB(255, 255, 255));
  ASSERT_NE(form.Handle(), nullptr);
  Bitmap32 picture{300, 200, std::vector<uint32_t>(300 * 200)};
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x) picture.at(x, y) = static_cast<uint32_t>(x << 8 | y);
  form.ShowPict(picture, 10, 10);
  UpdateWindow(form.Handle());
  const Bitmap32 shot = CaptureWindow(form.Handle());
  ASSERT_EQ(shot.width, 164);
  // Ground 160 x 120 at (2, 2): picture offset (160 - 300) / 2 = -70, (120 - 200) / 2 = -40.
  EXPECT_EQ(shot.at(2, 2), picture.at(70, 40));
  EXPECT_EQ(shot.at(161, 121), picture.at(229, 159));
  EXPECT_EQ(shot.at(1, 1), kGrey) << "the frame stays";
  EXPECT_EQ(shot.at(162, 122), kGrey);
  form.HideViewer();
}

}  // namespace
}  // namespace qv::e2e
