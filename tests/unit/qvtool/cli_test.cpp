#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "sim_fixture.h"

namespace qv {
namespace {

using ::testing::HasSubstr;

TEST(QvtoolArguments, BadArgumentsGiveUsageAndExit64) {
  test::SimFixture f;
  auto slot = tool::PathText(f.SaveSlot("a.slot", {{CF_TEXT, test::Ansi("a")}}));
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"check"},
      {"frobnicate", slot},
      {"check", slot, slot},
      {"check", "--yaml", slot},
      {"text", "--json", slot},
      {"list", ""},
      {"CHECK", slot},
  };
  for (const auto& args : bad) {
    SCOPED_TRACE(testing::PrintToString(args));
    auto result = f.Run(args);
    EXPECT_EQ(result.exitCode, 64);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, tool::UsageText());
  }
  EXPECT_THAT(tool::UsageText(), HasSubstr("qvtool list [--json] FOLDER"));
}

TEST(QvtoolArguments, OptionsMayComeAfterThePathAndDashDashEndsThem) {
  test::SimFixture f;
  auto slot = tool::PathText(f.SaveSlot("a.slot", {{CF_TEXT, test::Ansi("a")}}));
  EXPECT_EQ(f.Run({"info", slot, "--json"}).out.front(), '{');
  auto dashed = tool::PathText(f.SaveSlot("-odd.slot", {{CF_TEXT, test::Ansi("odd")}}));
  EXPECT_EQ(f.Run({"text", "--", dashed}).out, "odd");
  auto help = f.Run({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out, tool::UsageText());
}

TEST(QvtoolArguments, NonAsciiPathsWork) {
  test::SimFixture f;
  auto slot = f.SaveSlot("Grüße 日本.slot", {{CF_TEXT, test::Ansi("x")}});
  auto result = f.Run({"check", tool::PathText(slot)});
  EXPECT_EQ(result.exitCode, 0) << result.err;
}

}  // namespace
}  // namespace qv
