#include <gtest/gtest.h>

#include "qvtool/json_writer.h"

namespace qv::tool {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsTheRest) {
  EXPECT_EQ(JsonString(R"(say "hi" C:\dir)"), R"("say \"hi\" C:\\dir")");
  EXPECT_EQ(JsonString("a\tb\r\nc\x01\x1F\x7F"), R"("a\u0009b\u000D\u000Ac\u0001\u001F\u007F")");
  EXPECT_EQ(JsonString(std::string("nul\0end", 7)), R"("nul\u0000end")");
  EXPECT_EQ(JsonString("Grüße € 日本 😀"), "\"Grüße € 日本 😀\"") << "UTF-8 passes unchanged";
  EXPECT_EQ(JsonString(""), "\"\"");
}

TEST(JsonString, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(JsonString("a\xE9z"), "\"a" + replacement + "z\"") << "a lone ANSI byte";
  EXPECT_EQ(JsonString("\xE6\x97"), "\"" + replacement + replacement + "\"") << "cut sequence";
  EXPECT_EQ(JsonString("\xC0\xAF"), "\"" + replacement + replacement + "\"") << "overlong '/'";
  EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"" + replacement + replacement + replacement + "\"")
      << "a surrogate";
}

TEST(JsonObject, KeepsOrderAndWritesEachKind) {
  JsonObject inner;
  inner.AddNumber("id", 13);
  std::string text = JsonObject()
                         .AddNumber("Kind", 1)
                         .AddBool("HasText", true)
                         .AddBool("HasSound", false)
                         .AddString("Preview", "x\"y")
                         .AddNumber("Big", 4294967295)
                         .AddRaw("Formats", JsonArray({inner.Text(), "{}"}))
                         .AddRaw("Empty", JsonArray({}))
                         .Text();
  EXPECT_EQ(text, R"({"Kind":1,"HasText":true,"HasSound":false,"Preview":"x\"y","Big":4294967295,)"
                  R"("Formats":[{"id":13},{}],"Empty":[]})");
  EXPECT_EQ(JsonObject().Text(), "{}");
}

}  // namespace
}  // namespace qv::tool
