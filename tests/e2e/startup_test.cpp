// Start, single instance, folders, the Exit path and the viewer chain of the real program.
#include <gtest/gtest.h>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { ResetDataFolder(); }
};

TEST_F(Startup, SecondStartEndsAtOnceAndLeavesTheFirstAlone) {
  Quorvane first;
  ASSERT_TRUE(first.Ready());
  Process second(ExeDir() / L"quorvane.exe", L"");
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.WaitExit(std::chrono::seconds(15)));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(FindProcessWindow(second.Id(), L"TMainForm"), nullptr);
  EXPECT_TRUE(first.process().Running());
  EXPECT_EQ(CountProcesses(L"quorvane.exe"), 1);
  EXPECT_TRUE(first.Exit());
}

TEST_F(Startup, CreatesTheDataFoldersStaysHiddenAndWritesTheGeometryAtExit) {
  // Aligned to the top: the window stays where it was put.
  WriteOptions("[main]\r\nalign=2\r\nleft=40\r\ntop=30\r\nwidth=200\r\nheight=300\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(std::filesystem::is_directory(DataFolder() / L"work"));
  EXPECT_TRUE(std::filesystem::is_directory(DataFolder() / L"sets"));
  EXPECT_FALSE(IsWindowVisible(app.Window())) << "minimized is on by default";
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(ReadOption("main", "left"), "40");
  EXPECT_EQ(ReadOption("main", "top"), "30");
  EXPECT_EQ(ReadOption("main", "width"), "294") << "the width is at least 294";
  EXPECT_EQ(ReadOption("main", "height"), "155") << "one row: no saved slots yet";
}

// A viewer of our own, registered before the program joins the chain.
class TestViewer {
 public:
  TestViewer() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QvTestViewer";
    RegisterClassW(&wc);
    hwnd_ = CreateWindowW(L"QvTestViewer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                          nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    next_ = SetClipboardViewer(hwnd_);
  }
  ~TestViewer() {
    ChangeClipboardChain(hwnd_, next_);
    DestroyWindow(hwnd_);
  }
  int notices = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<TestViewer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_DRAWCLIPBOARD) {
      ++self->notices;
      if (self->next_) SendMessageW(self->next_, msg, wp, lp);
      return 0;
    }
    if (self && msg == WM_CHANGECBCHAIN) {
      if (reinterpret_cast<HWND>(wp) == self->next_)
        self->next_ = reinterpret_cast<HWND>(lp);
      else if (self->next_)
        SendMessageW(self->next_, msg, wp, lp);
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  HWND hwnd_ = nullptr;
  HWND next_ = nullptr;
};

TEST_F(Startup, PassesClipboardNoticesOnAndLeavesTheChainIntact) {
  TestViewer viewer;
  WaitUntil([] { return false; }, std::chrono::milliseconds(100));  // the joining notice
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    int before = viewer.notices;
    PutText("while running");
    EXPECT_TRUE(WaitUntil([&] { return viewer.notices > before; }))
        << "the program passes WM_DRAWCLIPBOARD on to the next viewer";
    ASSERT_TRUE(app.Exit());
  }
  int before = viewer.notices;
  PutText("after exit");
  EXPECT_TRUE(WaitUntil([&] { return viewer.notices > before; }))
      << "the chain still reaches our viewer after the program left it";
}

}  // namespace
}  // namespace qv::e2e
