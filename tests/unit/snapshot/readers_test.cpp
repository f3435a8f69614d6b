#include <gtest/gtest.h>

#include "snapshot/clipboard_io.h"
#include "snapshot/slot_stream.h"
#include "test_support.h"
#include "platform/clipboard.h"

namespace qv {
namespace {

using test::Ansi;
using test::Wide;

Bytes Stream(const std::vector<std::pair<uint32_t, Bytes>>& records) {
  Bytes out;
  SlotStreamWriter writer(out);
  for (const auto& [id, data] : records) writer.AddRecord(id, data);
  writer.Finish(false, false);
  return out;
}

Bytes DropFiles(bool wide, const Bytes& names) {
  Bytes b;
  PutU32(b, 20);
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, 0);
  PutU32(b, wide ? 1 : 0);
  PutBytes(b, names);
  return b;
}

TEST(ReadFormatText, TextAndUnicodeTextMatchWhicheverComesFirst) {
  Bytes unicodeFirst = Stream({{CF_UNICODETEXT, Wide(u"wide é")}, {CF_TEXT, Ansi("ansi")}});
  EXPECT_EQ(ReadFormatText(unicodeFirst, CF_TEXT), "wide \xE9");
  EXPECT_EQ(ReadFormatText(unicodeFirst, CF_UNICODETEXT), "wide \xE9");
  Bytes ansiFirst = Stream({{CF_TEXT, Ansi("ansi")}, {CF_UNICODETEXT, Wide(u"wide")}});
  EXPECT_EQ(ReadFormatText(ansiFirst, CF_UNICODETEXT), "ansi");
}

TEST(ReadFormatText, OtherFormatsAndEdges) {
  Bytes s = Stream({{0xC001, Bytes{'{', '\\', 'r', 't', 'f', 0, 'x'}}, {CF_OEMTEXT, Ansi("oem")}});
  EXPECT_EQ(ReadFormatText(s, 0xC001), "{\\rtf") << "cut at the first NUL";
  EXPECT_EQ(ReadFormatText(s, CF_OEMTEXT), "oem");
  EXPECT_EQ(ReadFormatText(s, CF_TEXT), "");
  EXPECT_EQ(ReadFormatText(ByteView{}, CF_TEXT), "");
  // No NUL at all: the whole record.
  EXPECT_EQ(ReadFormatText(Stream({{CF_TEXT, Bytes{'a', 'b'}}}), CF_TEXT), "ab");
  // Odd-sized wide record.
  EXPECT_EQ(ReadFormatText(Stream({{CF_UNICODETEXT, Bytes{'a', 0, 'b'}}}), CF_TEXT), "a");
}

TEST(ReadFormatTextUtf8, LosesNoCharacter) {
  Bytes s = Stream({{CF_TEXT, Ansi("lossy ?")}, {CF_UNICODETEXT, Wide(u"Привет 😀")}});
  EXPECT_EQ(ReadFormatTextUtf8(s, CF_TEXT), "Привет 😀") << "wide text preferred wherever it is";
  EXPECT_EQ(ReadFormatTextUtf8(Stream({{CF_TEXT, Ansi("caf\xE9")}}), CF_TEXT), "café");
}

TEST(ReadFileList, WideAndAnsiLists) {
  Bytes wideNames = Wide(u"C:\\a.txt");
  Bytes second = Wide(u"C:\\Ordner\\ü.doc");
  wideNames.insert(wideNames.end(), second.begin(), second.end());
  PutU16(wideNames, 0);
  EXPECT_EQ(ReadFileList(Stream({{CF_HDROP, DropFiles(true, wideNames)}})),
            (std::vector<std::string>{"C:\\a.txt", "C:\\Ordner\\ü.doc"}));

  Bytes ansiNames = {'C', ':', '\\', 0xE9, 0, 'D', 0, 0};
  EXPECT_EQ(ReadFileList(Stream({{CF_HDROP, DropFiles(false, ansiNames)}})),
            (std::vector<std::string>{"C:\\é", "D"}));
}

TEST(ReadFileList, StopsAtTheDoubleNulAndKeepsAnUnterminatedLastName) {
  Bytes names = {'a', 0, 'b', 0, 0, 'j', 'u', 'n', 'k', 0, 0};
  EXPECT_EQ(ReadFileList(Stream({{CF_HDROP, DropFiles(false, names)}})),
            (std::vector<std::string>{"a", "b"}));
  Bytes open = {'a', 0, 'b', 'c'};
  EXPECT_EQ(ReadFileList(Stream({{CF_HDROP, DropFiles(false, open)}})),
            (std::vector<std::string>{"a", "bc"}));
}

TEST(ReadFileList, MalformedRecordsGiveNoNames) {
  EXPECT_TRUE(ReadFileList(Stream({{CF_HDROP, Bytes{1, 2, 3}}})).empty()) << "short header";
  Bytes badOffset = DropFiles(false, Bytes{'a', 0, 0});
  StoreU32(&badOffset[0], 0xFFFFFFFF);
  EXPECT_TRUE(ReadFileList(Stream({{CF_HDROP, badOffset}})).empty());
  EXPECT_TRUE(ReadFileList(Stream({{CF_TEXT, Ansi("x")}})).empty());
  EXPECT_TRUE(ReadFileList(ByteView{}).empty());
}

}  // namespace
}  // namespace qv
