#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "snapshot/clipboard_io.h"
#include "test_support.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::Ansi;
using test::Stream;
using test::Wide;

TEST(ReadFormatText, FirstTextRecordInTheAnsiCodePage) {
  const Bytes unicodeFirst = Stream({{CF_UNICODETEXT, Wide(u"wide é")}, {CF_TEXT, Ansi("ansi")}});
  const Bytes ansiFirst = Stream({{CF_TEXT, Ansi("ansi")}, {CF_UNICODETEXT, Wide(u"wide")}});
  const Bytes others =
      Stream({{0xC001, Bytes{'{', '\\', 'r', 't', 'f', 0, 'x'}}, {CF_OEMTEXT, Ansi("oem")}});
  struct Case {
    const char* name;
    Bytes stream;
    uint32_t id;
    std::string text;
  } cases[] = {
      {"wide first, asked for ANSI", unicodeFirst, CF_TEXT, "wide \xE9"},
      {"wide first, asked for wide", unicodeFirst, CF_UNICODETEXT, "wide \xE9"},
      {"ANSI first, asked for wide", ansiFirst, CF_UNICODETEXT, "ansi"},
      {"cut at the first NUL", others, 0xC001, "{\\rtf"},
      {"OEM text", others, CF_OEMTEXT, "oem"},
      {"no such record", others, CF_TEXT, ""},
      {"no stream", {}, CF_TEXT, ""},
      {"no NUL at all", Stream({{CF_TEXT, Bytes{'a', 'b'}}}), CF_TEXT, "ab"},
      {"odd-sized wide record", Stream({{CF_UNICODETEXT, Bytes{'a', 0, 'b'}}}), CF_TEXT, "a"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFormatText(c.stream, c.id), c.text) << c.name;
}

TEST(ReadFormatTextUtf8, LosesNoCharacter) {
  Bytes s = Stream({{CF_TEXT, Ansi("lossy ?")}, {CF_UNICODETEXT, Wide(u"Привет 😀")}});
  EXPECT_EQ(ReadFormatTextUtf8(s, CF_TEXT), "Привет 😀") << "wide text preferred wherever it is";
  EXPECT_EQ(ReadFormatTextUtf8(Stream({{CF_TEXT, Ansi("caf\xE9")}}), CF_TEXT), "café");
}

TEST(ReadFileList, NamesOfTheDropRecord) {
  auto with = [](Bytes header, Bytes names) {
    PutBytes(header, names);
    return Stream({{CF_HDROP, header}});
  };
  Bytes badOffset = test::DropList({"a"}, false);
  StoreU32(&badOffset[0], 0xFFFFFFFF);
  using Names = std::vector<std::string>;
  struct Case {
    const char* name;
    Bytes stream;
    Names names;
  } cases[] = {
      {"wide",
       Stream({{CF_HDROP, test::DropList({"C:\\a.txt", "C:\\Ordner\\ü.doc"})}}),
       {"C:\\a.txt", "C:\\Ordner\\ü.doc"}},
      {"ANSI", Stream({{CF_HDROP, test::DropList({"C:\\\xE9", "D"}, false)}}), {"C:\\é", "D"}},
      {"stops at the double NUL",
       with(test::DropHeader(false), {'a', 0, 'b', 0, 0, 'j', 'u', 'n', 'k', 0, 0}),
       {"a", "b"}},
      {"unterminated last name", with(test::DropHeader(false), {'a', 0, 'b', 'c'}), {"a", "bc"}},
      {"short header", Stream({{CF_HDROP, Bytes{1, 2, 3}}}), {}},
      {"offset past the end", Stream({{CF_HDROP, badOffset}}), {}},
      {"no drop record", Stream({{CF_TEXT, Ansi("x")}}), {}},
      {"no stream", {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadFileList(c.stream), c.names) << c.name;
}

}  // namespace
}  // namespace qv
