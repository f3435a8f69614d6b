#include <gtest/gtest.h>

#include "attributes/previews.h"
#include "sim_fixture.h"
#include "util/ini.h"

namespace qv {
namespace {

// A copied slot's text view is in the text font: applying a new font makes
// it again in that font; applying other options keeps it.
TEST(ReLoadOptions, ANewTextFontRemakesTheTextViews) {
  test::ModelFixture f;
  f.Copy("words");
  TClipRec& rec = f.core->list.Slots.back();
  EnsureTextView(rec, f.core->attributes.previews);
  ASSERT_TRUE(rec.TextView);
  ASSERT_EQ(rec.TextView->find("Courier New"), std::string::npos);
  IniFile ini(f.core->folders.OptionsFile);
  ASSERT_TRUE(ini.WriteString("slots", "count", "20"));
  f.core->ReLoadOptions();
  EXPECT_TRUE(rec.TextView) << "the same font keeps the view";
  ASSERT_TRUE(ini.WriteString("text", "fontname", "Courier New"));
  f.core->ReLoadOptions();
  EnsureTextView(rec, f.core->attributes.previews);
  ASSERT_TRUE(rec.TextView);
  EXPECT_NE(rec.TextView->find("Courier New"), std::string::npos);
}

}  // namespace
}  // namespace qv
