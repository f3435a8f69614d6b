#include <gtest/gtest.h>

#include "test_support.h"
#include "tray/tray_hints.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

TEST(TrayHints, ThePlainTipOrTheBalloon) {
  const struct {
    bool hint, condition, visible, tip;
  } rows[] = {
      {false, false, false, true}, {false, false, true, true},  {false, true, false, true},
      {false, true, true, true},   {true, false, false, false}, {true, false, true, false},
      {true, true, false, false},  {true, true, true, true},
  };
  for (const auto& r : rows)
    EXPECT_EQ(HintShowing(r.hint, r.condition, r.visible), r.tip)
        << r.hint << r.condition << r.visible;
}

TEST(TrayHints, StatusBalloonForFiveOfTwentySlotsAndAnEmptyClipboard) {
  EXPECT_EQ(StatusBalloonText({.savedSlots = 5, .maxSlots = 20, .url = true}),
            "Slots: 5 of 20\r\nThe clipboard is empty\r\n\r\nURL action: Yes\r\nMail action: No");
}

TEST(TrayHints, FirstRunLinesFromTheLanguageFileOrInEnglish) {
  test::TempFolder dir;
  const std::string english =
      "The program is started for\r\nthe first time. Click this\r\nicon to open the main window.";
  const struct {
    const char* why;
    const char* file;  // nullptr: no language file
    std::string expected;
  } cases[] = {
      {"all three keys", "[MainForm]\nfirstrun1=Eins\nfirstrun2=Zwei\nFIRSTRUN3= Drei \n",
       "Eins\r\nZwei\r\nDrei"},
      {"missing and empty keys", "[mainform]\nfirstrun2=\nfirstrun3=Drei\n",
       "The program is started for\r\nthe first time. Click this\r\nDrei"},
      {"ANSI text",
       "[MainForm]\nfirstrun1=Gr\xFC\xDF"
       "e\n",
       "Gr\xC3\xBC\xC3\x9F"
       "e\r\nthe first time. Click this\r\nicon to open the main window."},
      {"keys in another section", "[ParamForm]\nfirstrun1=Eins\n", english},
      {"no language file", nullptr, english},
  };
  for (const auto& c : cases) {
    std::filesystem::path file;
    if (c.file) {
      file = dir / "language.lng";
      ASSERT_TRUE(WriteWholeFile(file, AsBytes(c.file)));
    }
    EXPECT_EQ(FirstRunText(file), c.expected) << c.why;
  }
}

TEST(TrayHints, IconTimerRunsElevenTicksAndWelcomesOnTheFourth) {
  for (bool firstRun : {false, true}) {
    std::vector<int> welcomeTicks;
    int ticks = 0;
    for (int countdown = kIconCountdown; ticks < 100;) {
      const IconTick tick = IconTimerTick(countdown, firstRun);
      ++ticks;
      if (tick.showWelcome) welcomeTicks.push_back(ticks);
      if (tick.stop) break;
      countdown = tick.countdown;
    }
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(welcomeTicks, firstRun ? std::vector<int>{4} : std::vector<int>{});
  }
}

}  // namespace
}  // namespace qv
