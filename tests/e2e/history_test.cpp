// The history across runs of the real program: what it captures from other
// programs, stores at exit and puts back at the next start. Every kind of
// format going through the real clipboard byte for byte is the clipboard
// contract's (unit tests under Wine); a picture across a restart is in
// png_picture_test.cpp.
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
};

// "text first" to "text last".
std::vector<std::string> Sequence(int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back("text " + std::to_string(i));
  return out;
}

TEST_F(History, TwentyCopiesKeepFifteenPlusTheClipboardInTheWorkFolder) {
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(CopyTexts(app.Window(), Sequence(1, 20)));
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredCount(), 16);
  EXPECT_EQ(StoredTexts(), Sequence(5, 20));
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(DataFolder() / L"work"))
    files += IsSlotFileName(e.path().filename().string());
  EXPECT_EQ(files, 32u) << "a data file and an attribute file per slot";
}

// Killed in the middle of a stream of copies, at moments that differ from
// round to round: every copy made a second before the kill is stored, and
// no stored slot is lost.
TEST_F(History, AKillLosesNoCopyOlderThanASecond) {
  WriteOptions("[slots]\r\ncount=1000\r\n");
  int copied = 0;
  for (int round = 0; round < 3; ++round) {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    const int burst = 5 + 4 * round;
    ASSERT_TRUE(CopyTexts(app.Window(), Sequence(copied + 1, copied + burst)));
    copied += burst;
    Sleep(1100);
    // Copies still arriving when the process dies: these may or may not be kept.
    for (int i = 1; i <= round; ++i)
      PutText("late " + std::to_string(round) + "." + std::to_string(i));
    app.process().Kill();
    ASSERT_TRUE(app.process().WaitExit(std::chrono::seconds(10)));
    std::vector<std::string> stored = StoredTexts();
    std::vector<std::string> kept;
    for (const std::string& text : stored)
      if (text.rfind("late", 0) != 0) kept.push_back(text);
    EXPECT_EQ(kept, Sequence(1, copied)) << "round " << round;
    EmptyTheClipboardNow();
  }
}

// A window fixed by its bottom edge keeps that edge across restarts: it starts
// at its stored height, so the first layout has nothing to move.
TEST_F(History, BottomFixedWindowStaysPutAcrossRestarts) {
  WriteOptions("[main]\r\nalign=3\r\nleft=100\r\ntop=200\r\nminimized=0\r\n");
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(CopyTexts(app.Window(), Sequence(1, 6)));
    ASSERT_TRUE(app.Exit());
  }
  auto bottom = [] {
    return std::stoi(ReadOption("main", "top")) + std::stoi(ReadOption("main", "height"));
  };
  const int before = bottom();
  for (int run = 0; run < 2; ++run) {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Exit());
    EXPECT_EQ(bottom(), before) << "run " << run;
  }
}

}  // namespace
}  // namespace qv::e2e
