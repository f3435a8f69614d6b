// The history across runs: capture, exit, restart, kill, large slots, privacy.
#include <gtest/gtest.h>

#include <algorithm>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"
#include "store/slot_folder.h"

namespace qv::e2e {
namespace {

class History : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDataFolder();
    EmptyTheClipboardNow();
  }
  // Copies each text and waits until the program has taken it.
  static void CopyTexts(Quorvane& app, int first, int last, const std::string& prefix = "text ") {
    for (int i = first; i <= last; ++i) {
      ASSERT_TRUE(PutText(prefix + std::to_string(i)));
      ASSERT_TRUE(SyncWith(app.Window()));
    }
  }
  static size_t SlotFileCount() {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(DataFolder() / L"work"))
      n += IsSlotFileName(e.path().filename().string());
    return n;
  }
};

std::vector<std::string> Sequence(int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back("text " + std::to_string(i));
  return out;
}

// A window fixed by its bottom edge keeps that edge across restarts: it starts
// at its stored height, so the first layout has nothing to move.
TEST_F(History, BottomFixedWindowStaysPutAcrossRestarts) {
  WriteOptions("[main]\r\nalign=3\r\nleft=100\r\ntop=200\r\nminimized=0\r\n");
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    CopyTexts(app, 1, 6);
    ASSERT_TRUE(app.Exit());
  }
  const int bottom = std::stoi(ReadOption("main", "top")) + std::stoi(ReadOption("main", "height"));
  for (int run = 0; run < 2; ++run) {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Exit());
    SCOPED_TRACE(run);
    EXPECT_EQ(std::stoi(ReadOption("main", "top")) + std::stoi(ReadOption("main", "height")),
              bottom);
  }
}

TEST_F(History, TwentyCopiesKeepFifteenPlusTheClipboardAcrossARestart) {
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    CopyTexts(app, 1, 20);
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredCount(), 16);
  EXPECT_EQ(SlotFileCount(), 32u);
  EXPECT_EQ(StoredTexts(), Sequence(5, 20));

  WriteOptions("[main]\r\nnodouble=1\r\n");
  {
    Quorvane app;  // the clipboard still holds text 20
    ASSERT_TRUE(app.Ready());
    EXPECT_EQ(ClipboardText(), "text 20");
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredTexts(), Sequence(5, 20)) << "Slot 0 is not duplicated";

  ASSERT_TRUE(EmptyTheClipboardNow());
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "text 20"; }))
        << "an empty clipboard gets the newest slot back";
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredTexts(), Sequence(5, 20));
}

TEST_F(History, AKilledRunLosesNothingThePreviousExitStored) {
  WriteOptions("[slots]\r\ncount=30\r\n");
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    CopyTexts(app, 1, 20);
    ASSERT_TRUE(app.Exit());
  }
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    CopyTexts(app, 1, 3, "lost ");
    app.process().Kill();
  }
  ASSERT_TRUE(EmptyTheClipboardNow());
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredTexts(), Sequence(1, 20));
}

TEST_F(History, AFiveMegabytePictureStaysADataFileWhileRunning) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(PutDib(1200, 1100));  // 5.3 MB
  ASSERT_TRUE(SyncWith(app.Window()));
  std::filesystem::path large;
  ASSERT_TRUE(WaitUntil([&] {
    for (const auto& e : std::filesystem::directory_iterator(DataFolder() / L"work"))
      if (e.file_size() > 5'000'000) large = e.path();
    return !large.empty();
  }));
  ASSERT_TRUE(app.Exit());
  auto index = ReadSlotIndex(IniFile(DataFolder() / L"work" / L"slots.cfg").Load());
  ASSERT_EQ(index.size(), 1u);
  EXPECT_EQ(index[0].data, large.filename().string()) << "named at exit, not rewritten";
}

TEST_F(History, PrivacyMarkedCopiesLeaveNoSlot) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  CopyTexts(app, 1, 1);
  ASSERT_TRUE(PutMarkedText("secret one", L"Clipboard Viewer Ignore"));
  ASSERT_TRUE(SyncWith(app.Window()));
  ASSERT_TRUE(PutMarkedText("secret two", L"ExcludeClipboardContentFromMonitorProcessing"));
  ASSERT_TRUE(SyncWith(app.Window()));
  ASSERT_TRUE(PutMarkedText("secret three", L"CanIncludeInClipboardHistory"));
  ASSERT_TRUE(SyncWith(app.Window()));
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(), Sequence(1, 1));
}

}  // namespace
}  // namespace qv::e2e
