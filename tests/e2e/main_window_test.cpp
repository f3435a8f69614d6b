// The visible main window: size by rows, the slot views' display kinds,
// scrolling, immediate updates, hiding, the tray icon's menu.
#include "codecs/bmp.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

#include "ui/command_ids.h"
#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"
#include "platform/win32/handles_win32.h"
#include "ui/gdi_bitmaps_win32.h"
#include "ui/paint_guards_win32.h"
#include "util/file_io.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

BOOL CALLBACK CollectSlot(HWND child, LPARAM param) {
  wchar_t name[32];
  if (GetClassNameW(child, name, 32) && std::wstring(name) == L"TSlot")
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

// The six slot views, top first; their window texts say what they show
// ("Text: preview").
std::vector<HWND> SlotWindows(HWND main) {
  std::vector<HWND> slots;
  EnumChildWindows(main, CollectSlot, reinterpret_cast<LPARAM>(&slots));
  std::sort(slots.begin(), slots.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return slots;
}

std::string SlotText(HWND main, size_t panel) {
  auto slots = SlotWindows(main);
  if (panel >= slots.size()) return "<no slot>";
  wchar_t text[512] = L"";
  GetWindowTextW(slots[panel], text, 512);
  std::string out;
  for (const wchar_t* p = text; *p; ++p) out.push_back(*p < 128 ? static_cast<char>(*p) : '?');
  return out;
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

// Saves the window as a BMP into the artifacts folder, when there is one.
void Screenshot(HWND window, const char* name) {
  const char* folder = std::getenv("QV_ARTIFACTS");
  if (!folder || !*folder) return;
  // Paint everything that is pending before reading the screen.
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  SyncWith(window);
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  win32::GdiBitmap shot = win32::CreateDib(Bitmap32{w, h, std::vector<uint32_t>(size_t(w) * h)});
  {
    win32::WindowDC screen(nullptr);
    win32::MemoryDC memory(CreateCompatibleDC(screen.Get()));
    win32::SelectedObject selected(memory.Get(), shot.Get());
    BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
  }
  if (auto picture = win32::ReadBitmap(shot.Get()))
    WriteWholeFile(std::filesystem::path(folder) / name, EncodeBmp(*picture));
}

bool PutPrivate(const wchar_t* format, std::vector<uint8_t> bytes) {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) return false;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  memcpy(GlobalLock(mem), bytes.data(), bytes.size());
  GlobalUnlock(mem);
  SetClipboardData(RegisterClipboardFormatW(format), mem);
  return CloseClipboard() != FALSE;
}

bool PutFiles(const std::wstring& names) {  // names separated by NULs
  std::vector<uint8_t> block(sizeof(DROPFILES) + (names.size() + 2) * sizeof(wchar_t), 0);
  auto* drop = reinterpret_cast<DROPFILES*>(block.data());
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(block.data() + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 5s)) return false;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, block.size());
  memcpy(GlobalLock(mem), block.data(), block.size());
  GlobalUnlock(mem);
  SetClipboardData(CF_HDROP, mem);
  return CloseClipboard() != FALSE;
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDataFolder();
    EmptyTheClipboardNow();
    WriteOptions("[main]\r\nminimized=0\r\nalign=2\r\nleft=60\r\ntop=40\r\n[slots]\r\npage=3\r\n");
  }
  static void Copy(Quorvane& app, const std::string& text) {
    ASSERT_TRUE(PutText(text));
    ASSERT_TRUE(SyncWith(app.Window()));
  }
};

TEST_F(MainWindow, AppearsAtItsPlaceSizedByRows) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  RECT window{};
  GetWindowRect(app.Window(), &window);
  EXPECT_EQ(window.left, 60);
  EXPECT_EQ(window.top, 40);
  EXPECT_EQ(ClientSize(app.Window()).cx, 294);
  EXPECT_EQ(ClientSize(app.Window()).cy, 97 + 58);
  Copy(app, "one");
  Copy(app, "two");
  Copy(app, "three");
  EXPECT_EQ(ClientSize(app.Window()).cy, 97 + 58 * 2) << "two saved slots: two rows";
  Copy(app, "four");
  Copy(app, "five");
  EXPECT_EQ(ClientSize(app.Window()).cy, 97 + 58 * 3) << "the page holds three rows";
  Screenshot(app.Window(), "main_window_text.bmp");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, EachContentGetsItsDisplayKind) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_EQ(SlotText(app.Window(), 0), "Empty clipboard");
  EXPECT_EQ(SlotText(app.Window(), 1), "Empty slot");
  Copy(app, "plain words");
  EXPECT_EQ(SlotText(app.Window(), 0), "Text: plain words");
  Screenshot(app.Window(), "kind_text.bmp");
  ASSERT_TRUE(PutDib(40, 30));
  ASSERT_TRUE(SyncWith(app.Window()));
  EXPECT_EQ(SlotText(app.Window(), 0), "Picture");
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: plain words");
  Screenshot(app.Window(), "kind_picture.bmp");
  ASSERT_TRUE(PutFiles(std::wstring(L"C:\\windows\\win.ini\0C:\\windows\0", 31)));
  ASSERT_TRUE(SyncWith(app.Window()));
  EXPECT_EQ(SlotText(app.Window(), 0).rfind("Files: C:\\windows\\win.ini", 0), 0u)
      << SlotText(app.Window(), 0);
  Screenshot(app.Window(), "kind_files.bmp");
  ASSERT_TRUE(PutPrivate(L"Quorvane Test Binary", {1, 2, 3, 0, 5}));
  ASSERT_TRUE(SyncWith(app.Window()));
  EXPECT_EQ(SlotText(app.Window(), 0), "Binary data");
  Screenshot(app.Window(), "kind_binary.bmp");
  ASSERT_TRUE(EmptyTheClipboardNow());
  ASSERT_TRUE(SyncWith(app.Window()));
  EXPECT_EQ(SlotText(app.Window(), 0), "Empty clipboard");
  EXPECT_EQ(SlotText(app.Window(), 1), "Binary data");
  Screenshot(app.Window(), "kind_empty.bmp");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, WheelAndScrollBarMoveTheRows) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  for (int i = 1; i <= 8; ++i) Copy(app, "row " + std::to_string(i));
  // Newest first: Slot0 is row 8, the three rows show 7, 6, 5.
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 7");
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 6") << "one row per notch towards the oldest";
  SendMessageW(app.Window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(SlotText(app.Window(), 1), "Text: row 7");
  HWND bar = FindWindowExW(app.Window(), nullptr, L"SCROLLBAR", nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(IsWindowEnabled(bar));
  SendMessageW(app.Window(), WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(SlotText(app.Window(), 3), "Text: row 1") << "the oldest row at the bottom";
  EXPECT_EQ(SlotText(app.Window(), 0), "Text: row 8") << "the clipboard slot never scrolls";
  Screenshot(app.Window(), "scrolled.bmp");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, TitleBarCloseHidesAndCapturingGoesOn) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  PostMessageW(app.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); }));
  Copy(app, "while hidden");
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(), std::vector<std::string>{"while hidden"});
}

TEST_F(MainWindow, TrayMenuExitEndsTheProgramWithTheSlotsSaved) {
  WriteOptions("");  // minimized: only the tray icon
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Copy(app, "kept");
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  ASSERT_NE(tray, nullptr);
  // The last item of the menu is Exit: Up from no selection reaches it.
  std::thread keys([] {
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindWindowW(L"#32768", nullptr)) && IsWindowVisible(menu); },
              10s);
    if (!menu) return;
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 1);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
  });
  PostMessageW(tray, WM_USER + 1024, 1, WM_RBUTTONDOWN);
  keys.join();
  EXPECT_TRUE(app.process().WaitExit(20s));
  EXPECT_EQ(StoredTexts(), std::vector<std::string>{"kept"});
}

TEST_F(MainWindow, TrayClickShowsAndHidesTheWindow) {
  WriteOptions("[main]\r\nalign=2\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_FALSE(IsWindowVisible(app.Window()));
  HWND tray = FindProcessWindow(app.process().Id(), L"QuorvaneTrayIcon");
  ASSERT_NE(tray, nullptr);
  PostMessageW(tray, WM_USER + 1024, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  PostMessageW(tray, WM_USER + 1024, 1, WM_LBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); }));
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e

namespace qv::e2e {
namespace {

TEST_F(MainWindow, TransparencyMenuSetsTheOpacityAndTheOption) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  SendMessageW(app.Window(), WM_COMMAND, kCmdTransparency0 + 3, 0);
  ASSERT_TRUE(SyncWith(app.Window()));
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(app.Window(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 178) << "30 %";
  EXPECT_EQ(ReadOption("main", "transparent"), "30");
  SendMessageW(app.Window(), WM_COMMAND, kCmdTransparency0 + 5, 0);
  ASSERT_TRUE(SyncWith(app.Window()));
  ASSERT_TRUE(GetLayeredWindowAttributes(app.Window(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 127) << "50 %";
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, ResizingSnapsToWholeRowsAndStoresThePage) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  for (int i = 1; i <= 6; ++i) Copy(app, "r" + std::to_string(i));
  ASSERT_EQ(ClientSize(app.Window()).cy, 97 + 58 * 3);
  // The user drags the bottom edge to a client height of 200.
  RECT window{};
  GetWindowRect(app.Window(), &window);
  const int frame = (window.bottom - window.top) - ClientSize(app.Window()).cy;
  SendMessageW(app.Window(), WM_ENTERSIZEMOVE, 0, 0);
  SetWindowPos(app.Window(), nullptr, 0, 0, window.right - window.left, 200 + frame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(app.Window(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_EQ(ClientSize(app.Window()).cy, 213) << "snapped to two rows";
  EXPECT_EQ(ReadOption("slots", "page"), "2");
  EXPECT_TRUE(app.Exit());
}

TEST_F(MainWindow, AutoHideHidesTheWindowWhenAnotherWindowIsActivated) {
  WriteOptions("[main]\r\nminimized=0\r\nautohide=1\r\nalign=2\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.Window()) != FALSE; }));
  // Another application comes to the front: the window hears it is
  // deactivated (sent directly, since which process may take the foreground
  // depends on what ran before).
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(app.Window(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(other));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.Window()); }));
  DestroyWindow(other);
  EXPECT_EQ(ReadOption("main", "autohide"), "1");
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
