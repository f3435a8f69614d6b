#include "history/options_reload.h"

#include <gtest/gtest.h>

#include <functional>

#include "sim_fixture.h"
#include "util/ini.h"

namespace qv {
namespace {

// Each change of the options sets exactly the effect the windows must follow.
TEST(CompareOptions, EachChangeHasItsOneEffect) {
  struct Case {
    std::function<void(Options&)> change;
    bool ReloadEffects::*effect;
  } cases[] = {
      {[](Options& o) { o.transparent = 30; }, &ReloadEffects::opacity},
      {[](Options& o) { o.textTransparent = 30; }, &ReloadEffects::opacity},
      {[](Options& o) { o.pictureTransparent = 30; }, &ReloadEffects::opacity},
      {[](Options& o) { o.align = 3; }, &ReloadEffects::placement},
      {[](Options& o) { o.page = 9; }, &ReloadEffects::page},
      {[](Options& o) { o.count = 7; }, &ReloadEffects::count},
      {[](Options& o) { o.textWidth += 1; }, &ReloadEffects::textViewer},
      {[](Options& o) { o.textHeight += 1; }, &ReloadEffects::textViewer},
      {[](Options& o) { o.fontitalic = true; }, &ReloadEffects::textViewer},
      {[](Options& o) { o.background = 0x123456; }, &ReloadEffects::pictureBackground},
      {[](Options& o) { o.toolbarhints = !o.toolbarhints; }, &ReloadEffects::toolbarHints},
      {[](Options& o) { o.snap = !o.snap; }, &ReloadEffects::docking},
      {[](Options& o) { o.snapvalue += 1; }, &ReloadEffects::docking},
      {[](Options& o) { o.pathfiles = !o.pathfiles; }, &ReloadEffects::slotsRedraw},
  };
  bool ReloadEffects::*all[] = {
      &ReloadEffects::opacity,      &ReloadEffects::placement,  &ReloadEffects::page,
      &ReloadEffects::count,        &ReloadEffects::textViewer, &ReloadEffects::pictureBackground,
      &ReloadEffects::toolbarHints, &ReloadEffects::docking,    &ReloadEffects::slotsRedraw};
  const Options before;
  for (size_t i = 0; i < std::size(cases); ++i) {
    Options after = before;
    cases[i].change(after);
    const ReloadEffects effects = CompareOptions(before, after);
    for (auto field : all) EXPECT_EQ(effects.*field, field == cases[i].effect) << "row " << i;
  }
  const ReloadEffects none = CompareOptions(before, before);
  for (auto field : all) EXPECT_FALSE(none.*field);
}

TEST(ReLoadOptions, AppliesCountDiskPolicyAndSound) {
  test::ModelFixture f;
  f.CopyAll({"a", "b", "c", "d"});
  IniFile ini(f.core->folders.OptionsFile);
  ASSERT_TRUE(ini.WriteString("slots", "count", "2"));
  ASSERT_TRUE(ini.WriteString("slots", "maxsize", "100"));
  ASSERT_TRUE(ini.WriteString("picture", "size", "120"));
  ReloadEffects effects = f.core->ReLoadOptions();
  EXPECT_TRUE(effects.count);
  EXPECT_EQ(f.Texts(), (test::Texts{"b", "c", "d"}));
  EXPECT_EQ(f.core->options.maxsize, 100u * 1024u);
  EXPECT_EQ(f.core->options.pictureSize, 60) << "the preview size waits for the next start";
  ASSERT_TRUE(ini.WriteString("slots", "maxsize", "100"));
  ASSERT_TRUE(ini.WriteString("slots", "write2disk", "1"));
  f.core->options.maxsize = 0;  // pretend the file said "everything on disk"
  ASSERT_TRUE(ini.WriteString("slots", "count", "20"));
  effects = f.core->ReLoadOptions();
  EXPECT_EQ(f.Texts(), (test::Texts{"b", "c", "d"})) << "a larger count adds no empty slots";
}

}  // namespace
}  // namespace qv
