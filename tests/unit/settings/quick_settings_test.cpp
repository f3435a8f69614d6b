#include "settings/quick_settings.h"

#include <gtest/gtest.h>

#include <map>

#include "test_support.h"

namespace qv {
namespace {

using Entries = std::map<std::string, std::string>;

Entries Read(const IniFile& file) {
  Entries entries;
  file.Load().ForEachEntry(
      [&](std::string_view section, std::string_view key, std::string_view value) {
        entries[std::string(section) + "/" + std::string(key)] = value;
      });
  return entries;
}

// The keys whose values differ, with the new value.
Entries Changed(const Entries& before, const Entries& after) {
  Entries changed;
  for (const auto& [key, value] : after)
    if (!before.contains(key) || before.at(key) != value) changed[key] = value;
  for (const auto& [key, value] : before)
    if (!after.contains(key)) changed[key] = "<gone>";
  return changed;
}

class QuickSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every option written, so a stray write shows as a changed value.
    ASSERT_TRUE(file.Update([](IniDocument& doc) {
      const Options defaults;
      for (const OptionKey& key : OptionTable::Keys()) OptionTable::Write(doc, key, defaults);
    }));
  }
  test::TempFolder dir;
  IniFile file{dir / "options.cfg"};
  Options options;
};

TEST_F(QuickSettings, EachToggleFlipsItsOptionAndWritesOnlyItsKey) {
  const struct {
    QuickToggle toggle;
    const char* key;
    bool Options::*option;
  } cases[] = {
      {QuickToggle::OpenLinks, "actions/url", &Options::url},
      {QuickToggle::CreateMessages, "actions/mail", &Options::mail},
      {QuickToggle::PlaySound, "addition/playsound", &Options::playsound},
      {QuickToggle::NoDouble, "main/nodouble", &Options::nodouble},
      {QuickToggle::ShowPaths, "addition/pathfiles", &Options::pathfiles},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const bool was = options.*c.option;
    for (bool expected : {!was, was}) {
      const Entries before = Read(file);
      ASSERT_TRUE(ToggleQuickSetting(c.toggle, options, file));
      EXPECT_EQ(options.*c.option, expected);
      EXPECT_EQ(Changed(before, Read(file)), (Entries{{c.key, expected ? "1" : "0"}}));
    }
  }
}

TEST_F(QuickSettings, APlacementWritesOnlyTheAlignment) {
  const Entries before = Read(file);
  ASSERT_TRUE(SetQuickAlign(2, options, file));
  EXPECT_EQ(options.align, 2);
  EXPECT_EQ(Changed(before, Read(file)), (Entries{{"main/align", "2"}}));
}

}  // namespace
}  // namespace qv
