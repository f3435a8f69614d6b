// Finding slots by their text: the matcher, the index over the history with
// its memory budget, and the rows the window shows while filtering.
#include <gtest/gtest.h>

#include "platform/sim/sim_text_case.h"
#include "search/search_index.h"
#include "sim_fixture.h"
#include "snapshot/snapshot_view.h"
#include "ui/key_codes.h"
#include "ui/slot_filter.h"

namespace qv {
namespace {

using test::SimFixture;

const SimTextCase& Folding() {
  static const SimTextCase textCase;
  return textCase;
}

bool Matches(const std::string& text, const std::string& query) {
  return MatchesQuery(FoldCase(text, Folding()), MakeSearchQuery(query, Folding()));
}

TEST(SlotSearch, EveryWordInAnyOrderAnyCase) {
  struct Case {
    const char* text;
    const char* query;
    bool match;
  };
  const Case cases[] = {
      {"Invoice for March", "march invoice", true},
      {"Invoice for March", "  MARCH\t", true},
      {"Invoice for March", "", true},
      {"Invoice for March", "april", false},
      {"Invoice for March", "invoice april", false},  // every word must occur
      {"Invoice for March", "voice", true},           // words match inside words
      {"ПРИВЕТ мир", "привет МИР", true},             // Cyrillic
      {"Ωμέγα ΣΟΦΊΑ", "ωΜΈΓΑ σοφία", true},           // Greek with accents
      {"Ωμέγα", "ωμεγα", false},                      // accents are not dropped
      {"straße", "STRASSE", false},                   // no multi-character case forms
      {"a\xff"
       "b",
       "\xef\xbf\xbd"
       "B",
       true},  // malformed bytes fold like U+FFFD
  };
  for (const Case& c : cases)
    EXPECT_EQ(Matches(c.text, c.query), c.match) << c.text << " / " << c.query;
  EXPECT_EQ(MakeSearchQuery(" one  two\r\nthree ", Folding()).words,
            (std::vector<std::string>{"one", "two", "three"}));
}

// The text a slot offers to the search, by what it holds.
TEST(SlotSearch, SlotTextFromPlainRichAndFileListSlots) {
  SimFixture f;
  const uint32_t rtf = f.clipboard.RegisterFormat("Rich Text Format");
  struct Case {
    std::vector<SimClipboard::Item> items;
    const char* expected;
  };
  const Case cases[] = {
      {{{CF_UNICODETEXT, test::Wide(u"Грузовик")}}, "Грузовик"},
      {{{rtf, test::Ansi(R"({\rtf1\ansi {\b Bold} words\par})")}}, "Bold words\r\n"},
      {{{rtf, test::Ansi(R"({\rtf1 rich})")}, {CF_TEXT, test::Ansi("plain")}}, "plain"},
      {{{CF_HDROP, test::DropList({"C:\\Reports\\q1.xls", "D:\\Ферма.txt"})}},
       "C:\\Reports\\q1.xls\nD:\\Ферма.txt"},
      {{{CF_DIB, test::Dib(test::Picture(4, 3))}}, ""},
  };
  for (const Case& c : cases) {
    const TClipRec& rec = f.CaptureNew(c.items);
    const SnapshotView view(rec);
    EXPECT_EQ(SlotSearchText(rec, view.Parsed()), c.expected);
  }
}

struct SearchIndexTest : ::testing::Test {
  SimFixture f;
  SearchIndexTest() {
    f.CopyText("");  // Slot 0 is left out of every search
    f.slots.clear();
    for (const char* text : {"alpha report", "beta", "Alpha draft", "gamma", "ALPHA final"})
      f.CopyText(text);
    f.CopyText("alpha on the clipboard");
  }
  std::vector<int> Find(SlotSearchIndex& index, const char* query) {
    return index.Find(f.slots, MakeSearchQuery(query, Folding()));
  }
};

TEST_F(SearchIndexTest, MatchesNewestFirstWithoutSlot0) {
  SlotSearchIndex index(Folding());
  EXPECT_EQ(Find(index, "alpha"), (std::vector<int>{4, 2, 0}));
  EXPECT_EQ(Find(index, "alpha dr"), (std::vector<int>{2}));
  EXPECT_EQ(Find(index, "delta"), (std::vector<int>{}));
  EXPECT_EQ(Find(index, ""), (std::vector<int>{4, 3, 2, 1, 0}));
  TClipArr one;
  one.emplace_back();
  EXPECT_EQ(index.Find(one, MakeSearchQuery("x", Folding())), (std::vector<int>{}));
}

TEST_F(SearchIndexTest, KeepsTextsWithinTheBudgetNewestFirst) {
  SlotSearchIndex index(Folding(), 16);  // "alpha final" and "gamma" fit, no more
  EXPECT_EQ(Find(index, "alpha"), (std::vector<int>{4, 2, 0}));
  EXPECT_EQ(std::tuple(index.LastReads(), index.KeptSlots(), index.KeptBytes()),
            std::tuple(5u, 2u, 16u));
  // The next search reads only the slots beyond the budget, with the same result.
  EXPECT_EQ(Find(index, "alpha"), (std::vector<int>{4, 2, 0}));
  EXPECT_EQ(index.LastReads(), 3u);
  SlotSearchIndex unlimited(Folding());
  unlimited.Prepare(f.slots);
  EXPECT_EQ(unlimited.LastReads(), 5u);
  Find(unlimited, "a");
  EXPECT_EQ(std::tuple(unlimited.LastReads(), unlimited.KeptSlots()), std::tuple(0u, 5u));
}

TEST_F(SearchIndexTest, FollowsTheListAsItChanges) {
  SlotSearchIndex index(Folding());
  ASSERT_EQ(Find(index, "alpha"), (std::vector<int>{4, 2, 0}));
  // A deletion and a new capture while filtering.
  f.slots.erase(f.slots.begin() + 2);
  f.CopyText("alpha again");
  EXPECT_EQ(Find(index, "alpha"), (std::vector<int>{4, 3, 0}));
  EXPECT_EQ(index.LastReads(), 1u) << "only the slot that was Slot 0 is new";
  EXPECT_EQ(index.KeptSlots(), 5u) << "the deleted slot's text is dropped";
  // A record whose content is replaced is read again, not matched by its old text.
  f.clipboard.SetByOther({{CF_TEXT, test::Ansi("delta")}});
  CapturedSnapshot captured = CaptureSnapshot(f.clipboard);
  f.slots[0].SetSnapshotData(std::move(captured.stream), std::move(captured.formats), f.ctx);
  MakeClipRec(f.slots, 0, f.attrs);
  EXPECT_EQ(Find(index, "alpha"), (std::vector<int>{4, 3}));
  EXPECT_EQ(Find(index, "delta"), (std::vector<int>{0}));
  index.Clear();
  EXPECT_EQ(index.KeptSlots(), 0u);
}

TEST_F(SearchIndexTest, ReadsSlotsKeptOnDiskAndSkipsGoneFiles) {
  f.ctx.write2disk = true;
  f.ctx.maxsize = 10;
  f.CopyText("a long alpha text kept in a data file");
  f.CopyText("x");
  ASSERT_TRUE(f.slots[6].OnDisk);
  SlotSearchIndex index(Folding(), 0);
  EXPECT_EQ(Find(index, "alpha data"), (std::vector<int>{6}));
  std::filesystem::remove(f.slots[6].FileName);
  EXPECT_EQ(Find(index, "alpha data"), (std::vector<int>{}))
      << "a slot whose file is gone matches nothing";
}

// The rows while filtering: five saved slots match three (list indices 9, 6, 2
// of a list of 12 records), page 2.
TEST(SlotFilter, RowsShowTheMatchesUnderScrolling) {
  const std::vector<int> matches = {9, 6, 2};
  const auto rows = [](const VisualizePlan& plan) {
    std::vector<int> shown;
    for (const SlotFill& fill : plan.slots)
      shown.push_back(fill.action == SlotFill::Action::kSnapshot    ? fill.index
                      : fill.action == SlotFill::Action::kEmptySlot ? -2
                                                                    : -1);
    return shown;
  };
  VisualizePlan plan = PlanFilteredVisualize(matches, 12, 2, {});
  EXPECT_EQ(rows(plan), (std::vector<int>{11, 9, 6, -1, -1, -1}));
  EXPECT_EQ(plan.clientHeight, ClientHeightFor(2, 12)) << "the window keeps its height";
  EXPECT_TRUE(plan.scroll.enabled);
  EXPECT_EQ(plan.scroll.maximum, 2);
  ScrollState scrolled = plan.scroll;
  scrolled.position = 5;  // clamped to the last page of matches
  plan = PlanFilteredVisualize(matches, 12, 2, scrolled);
  EXPECT_EQ(plan.scroll.position, 1);
  EXPECT_EQ(rows(plan), (std::vector<int>{11, 6, 2, -1, -1, -1}));
  // Fewer matches than rows: the rest of the rows show an empty slot.
  plan = PlanFilteredVisualize({3}, 12, 4, {});
  EXPECT_FALSE(plan.scroll.enabled);
  EXPECT_EQ(rows(plan), (std::vector<int>{11, 3, -2, -2, -2, -1}));
  plan = PlanFilteredVisualize({}, 12, 3, {});
  EXPECT_EQ(rows(plan), (std::vector<int>{11, -2, -2, -2, -1, -1}));
  // The rows on screen are those of the whole list: a list of 3 shows two.
  plan = PlanFilteredVisualize({0}, 3, 5, {});
  EXPECT_EQ(rows(plan), (std::vector<int>{2, 0, -2, -1, -1, -1}));
  // The scroll bar moved by the user, Slot0 kept.
  ScrollRefill refill = PlanScrollChange(FilteredLength(matches), 2, 1);
  MapFilteredRows(refill.slots, matches, 12, 2);
  EXPECT_EQ(refill.slots[0].action, SlotFill::Action::kKeep);
  EXPECT_EQ(refill.slots[1].index, 6);
  EXPECT_EQ(refill.slots[2].index, 2);
}

// Keys with their modifiers: S Shift, C Ctrl, A Alt.
TEST(SlotFilter, FieldKeys) {
  auto press = [](uint16_t key, const char* mods = "") {
    const auto has = [m = std::string_view(mods)](char c) { return m.find(c) != m.npos; };
    return KeyPress{key, has('S'), has('C'), has('A')};
  };
  const std::pair<FindKey, std::vector<KeyPress>> groups[] = {
      // Digits type, they do not paste; AltGr+Q types @ on German keyboards.
      {FindKey::kEdit,
       {press('A'), press('5'), press(kKeySpace), press(kKeyNumpad0), press(kKeyNumpad0 + 3),
        press(kKeyDivide), press(kKeyOem1, "S"), press(kKeyOem102), press('Q', "CA"),
        press(kKeyBack), press(kKeyDelete, "S"), press(kKeyLeft, "C"), press(kKeyHome, "S"),
        press(kKeyEnd), press('A', "C"), press('C', "C"), press('V', "C"), press('X', "C")}},
      {FindKey::kNavigate,
       {press(kKeyUp), press(kKeyDown), press(kKeyPageUp), press(kKeyPageDown)}},
      {FindKey::kClose, {press(kKeyEscape)}},
      // F1 and the key before the number pad; Ctrl+S saves the focused slot.
      {FindKey::kTable,
       {press(kKeyDivide + 1), press(kKeyNumpad0 - 1), press(kKeyReturn), press(kKeyF9),
        press(kKeyApps), press('S', "C"), press('F', "C"), press(kKeyDelete, "A"),
        press('A', "A")}},
  };
  for (const auto& [expected, presses] : groups)
    for (const KeyPress& p : presses)
      EXPECT_EQ(ClassifyFindKey(p), expected)
          << std::hex << p.key << " " << p.shift << p.ctrl << p.alt;
}

}  // namespace
}  // namespace qv
