// The clipboard monitor against another program that breaks the viewer
// chain: it joins after the program and never passes the change notice on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <future>
#include <thread>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

LRESULT CALLBACK SwallowingViewerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // WM_DRAWCLIPBOARD and WM_CHANGECBCHAIN end here, as in a careless viewer.
  if (message == WM_DRAWCLIPBOARD || message == WM_CHANGECBCHAIN) return 0;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A window of this test process with its own class and procedure.
HWND TestWindow(WNDPROC procedure, const wchar_t* className, HWND parent) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  RegisterClassW(&wc);
  return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, parent, nullptr, wc.hInstance, nullptr);
}

// A viewer window of this process that joins the chain in front of the
// program and swallows every notice.
struct BrokenViewer {
  HWND window = nullptr;
  HWND next = nullptr;
  BrokenViewer() {
    window = TestWindow(SwallowingViewerProc, L"QvBrokenViewer", HWND_MESSAGE);
    next = SetClipboardViewer(window);
  }
  ~BrokenViewer() {
    ChangeClipboardChain(window, next);
    DestroyWindow(window);
  }
};

std::wstring Slot0Text(HWND main) {
  wchar_t text[128] = L"";
  GetWindowTextW(SlotViews(main).at(0), text, 128);
  return text;
}

TEST(Monitor, ACopyAfterAnotherProgramBrokeTheChainIsStillCaptured) {
  ResetDataFolder();
  EmptyTheClipboardNow();
  WriteOptions("[main]\r\nminimized=0\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PutText("before"));
  ASSERT_TRUE(WaitUntil([&] { return Slot0Text(app.Window()) == L"Text: before"; }, 5s));
  BrokenViewer broken;
  ASSERT_TRUE(broken.window);
  for (const char* text : {"after the break", "and once more"}) {
    ASSERT_TRUE(PutText(text));
    const std::wstring expected = L"Text: " + std::wstring(text, text + strlen(text));
    EXPECT_TRUE(WaitUntil([&] { return Slot0Text(app.Window()) == expected; }, 5s))
        << "shows " << testing::PrintToString(Slot0Text(app.Window()));
  }
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(),
            (std::vector<std::string>{"before", "after the break", "and once more"}));
}

// An owner that renders a format on request (delayed rendering) and takes
// 5 s to do so; its text is on the clipboard at once.
constexpr DWORD kRenderMilliseconds = 5000;
constexpr wchar_t kSlowFormat[] = L"Quorvane test slow format";

LRESULT CALLBACK SlowOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_RENDERFORMAT: {
      Sleep(kRenderMilliseconds);
      HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
      if (void* p = GlobalLock(memory)) {
        std::memcpy(p, "slow", 4);
        GlobalUnlock(memory);
      }
      if (!SetClipboardData(static_cast<UINT>(wParam), memory)) GlobalFree(memory);
      return 0;
    }
    case WM_RENDERALLFORMATS:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The owner on a thread of its own, answering render requests while the test
// talks to the program.
class SlowOwner {
 public:
  SlowOwner() {
    thread_ = std::thread([this] { Run(); });
    ready_.get_future().wait();
  }
  ~SlowOwner() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    thread_.join();
  }

 private:
  void Run() {
    window_ = TestWindow(SlowOwnerProc, L"QvSlowOwner", nullptr);
    for (int attempt = 0; attempt < 50 && !OpenClipboard(window_); ++attempt) Sleep(20);
    EmptyClipboard();
    const Format text = Text("slow owner");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.bytes.size());
    std::memcpy(GlobalLock(memory), text.bytes.data(), text.bytes.size());
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    SetClipboardData(RegisterClipboardFormatW(kSlowFormat), nullptr);  // rendered on request
    CloseClipboard();
    ready_.set_value();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  }

  std::thread thread_;
  std::promise<void> ready_;
  HWND window_ = nullptr;
};

TEST(Monitor, AnOwnerThatRendersSlowlyDoesNotFreezeTheWindow) {
  ResetDataFolder();
  EmptyTheClipboardNow();
  WriteOptions("[main]\r\nminimized=0\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  SlowOwner owner;
  // Throughout the render, and a little beyond, the window answers at once.
  int asked = 0, late = 0;
  DWORD slowest = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kRenderMilliseconds + 1000) {
    const DWORD before = GetTickCount();
    DWORD_PTR ignored = 0;
    const bool answered =
        SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_NORMAL, 100, &ignored) != 0;
    slowest = std::max(slowest, GetTickCount() - before);
    ++asked;
    late += answered ? 0 : 1;
    Sleep(20);
  }
  std::printf("slow owner: %d messages, %d unanswered within 100 ms, slowest %lu ms\n", asked, late,
              static_cast<unsigned long>(slowest));
  EXPECT_EQ(late, 0);
  EXPECT_TRUE(WaitUntil([&] { return Slot0Text(app.Window()) == L"Text: slow owner"; }, 10s))
      << "shows " << testing::PrintToString(Slot0Text(app.Window()));
  ASSERT_TRUE(app.Exit());
}

// Copies from another program in quick succession, 100 at each spacing.
// How many are captured is measured and reported (it depends on the
// machine's load).
TEST(Monitor, QuickCopiesAreCapturedOnceEachInOrder) {
  for (int spacing : {30, 10, 3}) {
    ResetDataFolder();
    EmptyTheClipboardNow();
    WriteOptions("[main]\r\nminimized=1\r\n[slots]\r\ncount=1000\r\n");
    std::vector<std::string> copied;
    {
      Quorvane app;
      ASSERT_TRUE(app.Ready());
      for (int i = 1; i <= 100; ++i) {
        // A write the clipboard reports as failed may still have landed.
        copied.push_back("burst " + std::to_string(spacing) + "." + std::to_string(i));
        PutText(copied.back());
        Sleep(static_cast<DWORD>(spacing));
      }
      SyncWith(app.Window());
      ASSERT_TRUE(app.Exit());
    }
    const std::vector<std::string> stored = StoredTexts();
    // At 10 ms and more every stored slot is a copy, in the order of copying,
    // none twice. (Closer spacings are reported only.)
    auto next = copied.begin();
    for (const std::string& text : stored) {
      if (spacing < 10) break;
      next = std::find(next, copied.end(), text);
      ASSERT_NE(next, copied.end()) << text << " out of order, twice, or never copied";
      ++next;
    }
    std::printf("copies %d ms apart: %zu of %zu captured\n", spacing, stored.size(), copied.size());
    RecordProperty("captured_at_" + std::to_string(spacing) + "_ms",
                   static_cast<int>(stored.size()));
  }
}

}  // namespace
}  // namespace qv::e2e
