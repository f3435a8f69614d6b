// The history across runs of the real program: what it captures from other
// programs, stores at exit and puts back at the next start.
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
  static void CopyTexts(Quorvane& app, int first, int last) {
    for (int i = first; i <= last; ++i) {
      ASSERT_TRUE(PutText("text " + std::to_string(i)));
      ASSERT_TRUE(SyncWith(app.Window()));
    }
  }
};

std::vector<std::string> Sequence(int first, int last) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back("text " + std::to_string(i));
  return out;
}

TEST_F(History, TwentyCopiesKeepFifteenPlusTheClipboardAcrossARestart) {
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    CopyTexts(app, 1, 20);
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredCount(), 16);
  EXPECT_EQ(StoredTexts(), Sequence(5, 20));
  size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(DataFolder() / L"work"))
    files += IsSlotFileName(e.path().filename().string());
  EXPECT_EQ(files, 32u) << "a data file and an attribute file per slot";

  WriteOptions("[main]\r\nnodouble=1\r\n");
  {
    Quorvane app;  // the clipboard still holds text 20
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(app.Exit());
  }
  EXPECT_EQ(StoredTexts(), Sequence(5, 20)) << "Slot 0 is not duplicated";
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
    CopyTexts(app, copied + 1, copied + burst);
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

// Formats of every kind survive a capture, an exit and a start on an empty
// clipboard, which gets the newest slot back.
TEST_F(History, AnotherProgramsFormatsComeBackAfterARestart) {
  Bytes binary(300);  // zeros inside the data
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<uint8_t>(i);
  const std::vector<Format> written = {
      Text("Hello, clipboard"), Registered(L"Quorvane Test Binary", binary),
      Files({"C:\\Quorvane Test\\first file.txt", "C:\\Quorvane Test\\zweite Datei ä.txt"}),
      Dib(7, 5)};
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(Put(written));
    ASSERT_TRUE(SyncWith(app.Window()));
    ASSERT_TRUE(app.Exit());
  }
  ASSERT_TRUE(EmptyTheClipboardNow());
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([] { return ClipboardData(CF_HDROP).has_value(); }));
  for (const Format& f : written) {
    auto back = ClipboardData(f.id);
    ASSERT_TRUE(back) << "format " << f.id;
    if (f.id == CF_DIB) {
      EXPECT_EQ(DecodeDib(*back), DecodeDib(f.bytes)) << "the same pixels";
    } else {
      // The system may round a block up: what was written is a prefix.
      ASSERT_GE(back->size(), f.bytes.size()) << "format " << f.id;
      EXPECT_TRUE(std::equal(f.bytes.begin(), f.bytes.end(), back->begin())) << "format " << f.id;
    }
  }
  EXPECT_TRUE(app.Exit());
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
