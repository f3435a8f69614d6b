#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <functional>

#include "qvtool/format_namer.h"
#include "qvtool/json_writer.h"
#include "sim_fixture.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::Ansi;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Qvtool : test::SimFixture, ::testing::Test {
  using SimFixture::Run;
  std::filesystem::path text =
      SaveSlot("text.slot", {{CF_TEXT, Ansi("Hello world\r\nsecond line")}});
};

TEST_F(Qvtool, TextSlotInEveryReport) {
  auto check = Run("check", text);
  EXPECT_EQ(check.exitCode, 0);
  EXPECT_EQ(check.err, "");
  // The sim clipboard adds the synthesised text formats, as Windows does.
  EXPECT_EQ(check.out,
            "valid: check value 2053, 4 formats\n"
            "format 1: id 1 CF_TEXT, 25 bytes\n"
            "format 2: id 16 CF_LOCALE, 4 bytes\n"
            "format 3: id 13 CF_UNICODETEXT, 50 bytes\n"
            "format 4: id 7 CF_OEMTEXT, 25 bytes\n");
  EXPECT_EQ(Run("info", text).out,
            "Kind: 1 (text)\n"
            "HasText: yes\nHasRichText: no\nHasBitmap: no\nHasMetafile: no\nHasFiles: no\n"
            "HasSound: no\n"
            "Preview: Hello world / second line\n"
            "LineCount: 2\nWordCount: 4\nCharCount: 22\n"
            "LineCountText: 2\nWordCountText: 4\nCharCountText: 22\n"
            "RichFormat: 0\nSize: 148\nSizeText: 148 B\nPictWidth: 0\nPictHeight: 0\n");
  EXPECT_EQ(Run("text", text).out, "Hello world\r\nsecond line") << "no newline added";
}

// Registered ids carry no name in the file: rich text is known by its content.
TEST_F(Qvtool, WhatEachReportShowsOfEachKindOfSlot) {
  const uint32_t rtf = clipboard.RegisterFormat("Rich Text Format");
  const SimClipboard::Item rich{rtf, Ansi("{\\rtf1\\ansi Hello {\\b bold}\\par next}")},
      wide{CF_UNICODETEXT, test::Wide(u"Grüße €uro 日本\r\nzwei")},
      other{clipboard.RegisterFormat("Private Stuff"), Bytes{1, 2, 3}},
      files{CF_HDROP, test::DropList({"C:\\a.txt", "C:\\dir"})},
      emf{CF_ENHMETAFILE, MakeTestEmf(120, 80, Bytes{1, 2})},
      bitmap{CF_DIB, test::Dib(test::Picture(40, 30))};  // kept in 32 bits
  const std::tuple<const char*, std::vector<SimClipboard::Item>, bool, std::string> cases[] = {
      {"text", {wide}, false, "Grüße €uro 日本\r\nzwei"},  // all of it for text
      {"text", {{CF_TEXT, Ansi("caf\xE9")}}, false, "café"},
      {"text", {{rtf, Ansi("{\\rtf1 rich}")}, {CF_TEXT, Ansi("plain")}}, false, "plain"},
      {"text", {rich}, false, "Hello bold\r\nnext"},
      {"text", {files}, false, "C:\\a.txt\r\nC:\\dir"},
      // The preview stays on one line, in UTF-8 of what the ANSI code page holds.
      {"info", {{CF_TEXT, Ansi("C:\\dir\tx\x01y")}}, false, "Preview: C:\\dir\tx y\n"},
      {"info", {wide}, true, R"("Preview":"Grüße €uro ??\u000D\u000Azwei","LineCount":2,)"},
      {"info", {other, rich}, false, "Kind: 1 (text)\nHasText: no\nHasRichText: yes\n"},
      {"info", {other}, false, "Kind: 4 (other)\n"},
      {"info", {{CF_TEXT, Ansi("c")}, emf}, false, "Kind: 3 (text+picture)\n"},
      {"check", {wide}, true, R"("CheckValue":2053,"Formats":[{"id":13,"name":"CF_UNICODETEXT",)"},
      {"check", {bitmap}, false, "bitmap: 40 x 30, 32 bits, 4854 bytes\n"},
      {"check", {bitmap}, true, R"("Bitmap":{"width":40,"height":30,"bitCount":32,"size":4854})"},
      {"check", {emf}, false, "metafile: 120 x 80 pixels at 96 dpi, 124 bytes\n"},
      {"check", {emf}, true, R"("Metafile":{"width":120,"height":80,"size":124})"}};
  for (const auto& [command, items, json, part] : cases) {
    auto result = Run(command, SaveSlot("s.slot", items), json);
    EXPECT_EQ(result.exitCode, 0) << part;
    if (std::string_view(command) == "text")
      EXPECT_EQ(result.out, part);
    else
      EXPECT_THAT(result.out, HasSubstr(part));
  }
  const Bytes rtfBytes = Ansi("{\\rtf1 x}"), one{1};  // the records only view their bytes
  const std::vector<FormatRecord> records = {{0xC000, rtfBytes}, {0xC001, rtfBytes}, {0xC002, one}};
  SimClipboard system;
  ASSERT_EQ(system.RegisterFormat("HTML Format"), 0xC000u);
  tool::FormatNamer namer(records, &system);
  EXPECT_EQ(namer.RegisteredName(0xC000), "HTML Format") << "system names win";
  EXPECT_EQ(namer.RegisteredName(0xC001), "Rich Text Format");
  EXPECT_FALSE(namer.RegisteredName(0xC002) || namer.RegisteredName(CF_TEXT)) << "fixed names";
  EXPECT_EQ(tool::FormatNamer(records, nullptr).RegisteredName(0xC000), "Rich Text Format");
}

// Each damaged stream is refused with the check that failed, on one line.
TEST_F(Qvtool, CheckNamesTheFailedCheck) {
  const Bytes text = Capture({{CF_TEXT, Ansi("Hello world")}});  // records of 12, 4, 24, 12 bytes
  const Bytes bitmap = Capture({{CF_DIB, test::Dib(test::Picture(4, 3))}});
  auto edited = [&](auto edit, bool fixCheck = true) {
    return test::WithHeader(text, edit, fixCheck);
  };
  const std::pair<Bytes, std::string> cases[] = {
      {{}, "too short: 0 bytes, a slot file has at least 15"},
      {Bytes(text.begin(), text.begin() + 14), "too short: 14 bytes, a slot file has at least 15"},
      {edited([](SlotHeader& h) { h.versionBits = 0x40200000; }),
       "version 2.5 is not the supported 2.0"},
      {edited([](SlotHeader& h) { h.checkValue = 7; }, false),
       "check value 7 does not match 2053 (4 records, bitmap no, metafile no)"},
      {edited([](SlotHeader& h) { h.recordCount = 9; }, false),
       "check value 2053 does not match 2138 (9 records, bitmap no, metafile no)"},
      {edited([](SlotHeader& h) { h.recordCount = 6; }),
       "record 5 of 6 missing: the data ends after 4 records"},
      {Bytes(text.begin(), text.begin() + 15),
       "record 1 of 4 cut short: its 8-byte header has 3 bytes"},
      {Bytes(text.begin(), text.end() - 5),
       "record 4 of 4 (format 7) cut short: 12 bytes announced, 7 present"},
      {edited([](SlotHeader& h) { h.hasBitmap = 1; }), "bitmap image missing"},
      {Bytes(bitmap.begin(), bitmap.end() - 10),
       "bitmap image malformed or cut short (92 bytes after the records)"},
      {edited([](SlotHeader& h) { h.hasMetafile = 1; }), "metafile image missing"}};
  for (const auto& [stream, reason] : cases) {
    auto result = Run("check", Write("damaged.slot", stream));
    EXPECT_EQ(result.exitCode, 1) << reason;
    EXPECT_EQ(result.out, "invalid: " + reason + "\n");
  }
  EXPECT_EQ(Run("check", Write("damaged.slot", {}), true).out,
            "{\"Error\":\"too short: 0 bytes, a slot file has at least 15\"}\n");
}

// Errors give exit code 1, nothing on standard output and the reason on standard error.
TEST_F(Qvtool, ErrorsGoToStandardError) {
  Bytes cut = Capture({{CF_TEXT, Ansi("abc")}});
  cut.pop_back();
  const Bytes versionTwoFive = test::WithHeader(Capture({{CF_TEXT, Ansi("x")}}),
                                                [](SlotHeader& h) { h.versionBits = 0x40200000; });
  const std::tuple<const char*, std::filesystem::path, std::string> cases[] = {
      {"text", SaveSlot("p.slot", {{CF_DIB, test::Dib(test::Picture(2, 2))}}),
       "no text: the slot (picture)"},
      {"text", Write("v.slot", versionTwoFive), "version 2.5"},  // no text guessed at
      {"info", Write("cut.slot", cut), "cut.slot: not a valid slot file: record 4 of 4 (format 7)"},
      {"check", root / "nothing.slot", "nothing.slot: cannot read the file"},
      {"check", root.path(), ""},  // a folder is no slot file
      {"list", root.path(), "no readable slots.cfg"},
      {"list", root / "absent", ""}};
  for (const auto& [command, path, err] : cases) {
    auto result = Run(command, path, std::string_view(command) == "info");
    EXPECT_EQ(result.exitCode, 1) << err;
    EXPECT_EQ(result.out, "") << err;
    EXPECT_THAT(result.err, HasSubstr(err));
  }
}

TEST_F(Qvtool, BadArgumentsGiveUsageAndExit64) {
  const std::string slot = tool::PathText(text);
  const std::vector<std::vector<std::string>> bad = {{},
                                                     {"check"},
                                                     {"frobnicate", slot},
                                                     {"check", slot, slot},
                                                     {"check", "--yaml", slot},
                                                     {"text", "--json", slot},
                                                     {"list", ""},
                                                     {"CHECK", slot}};
  for (const auto& args : bad) {
    auto result = Run(args);
    EXPECT_EQ(result.exitCode, 64) << testing::PrintToString(args);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, tool::UsageText());
  }
  EXPECT_THAT(tool::UsageText(), HasSubstr("qvtool list [--json] FOLDER"));
  // Options may come after the path, "--" ends them; paths need not be ASCII.
  EXPECT_EQ(Run({"info", slot, "--json"}).out.front(), '{');
  EXPECT_EQ(
      Run({"text", "--", tool::PathText(SaveSlot("-odd.slot", {{CF_TEXT, Ansi("odd")}}))}).out,
      "odd");
  auto help = Run({"--help"});
  EXPECT_TRUE(help.exitCode == 0 && help.out == tool::UsageText());
  auto named = SaveSlot("Grüße 日本.slot", {{CF_TEXT, Ansi("x")}});
  EXPECT_EQ(Run({"check", tool::PathText(named)}).exitCode, 0);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// A work folder the program stored at exit: three text slots and a picture.
struct StoredFolder : test::ModelFixture {
  std::filesystem::path work;
  std::vector<SlotFileNames> names;
  StoredFolder() {
    CopyAll({"first \"one\"", "second\r\nline"});
    clipboard.SetBitmapByOther(test::Picture(8, 6));
    Copy("third");
    EXPECT_FALSE(core->SaveWorkSlots());
    work = core->folders.WorkFolder;
    names = ReadSlotIndex(IniFile(work / kSlotIndexName).Load());
    EXPECT_EQ(names.size(), 4u);
  }
  void SetIndex(const std::string& section, const std::string& key, const std::string& value) {
    EXPECT_TRUE(IniFile(work / kSlotIndexName).WriteString(section, key, value));
  }
  void Patch(const std::string& name, size_t at, uint8_t value) {
    Bytes bytes = *ReadWholeFile(work / name);
    bytes[at] = value;
    WriteWholeFile(work / name, bytes);
  }
  std::vector<std::string> List(bool json = false, int exitCode = 0) {
    auto result = Run("list", work, json);
    EXPECT_EQ(result.exitCode, exitCode);
    return Lines(result.out);
  }
};

TEST(QvtoolList, OneLinePerSlotInIndexOrder) {
  StoredFolder f;
  auto lines = f.List();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "slot 1: text  T - - - - -  1/2/11  96 B  first \"one\"");
  EXPECT_EQ(lines[1], "slot 2: text  T - - - - -  2/2/10  100 B  second / line");
  EXPECT_THAT(lines[2], StartsWith("slot 3: picture  - - B - - -  -  "));
  EXPECT_EQ(lines[3], "slot 4: text  T - - - - -  1/1/5  72 B  third");
  // JSON lines: the slot number, then the attributes as qvtool info writes them.
  auto json = f.List(true);
  ASSERT_EQ(json.size(), 4u);
  EXPECT_THAT(json[0], StartsWith(R"({"Slot":1,"Kind":1,"HasText":true,)"));
  EXPECT_THAT(json[2], HasSubstr(R"("PictWidth":8,"PictHeight":6})"));
  // A count beyond the sections lists the missing ones as damaged.
  f.SetIndex("main", "count", "6");
  lines = f.List(false, 2);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_THAT(lines[3], StartsWith("slot 4: text "));
  EXPECT_EQ(lines[5], "slot 6: damaged: slots.cfg names no data file for it");
}

// Each kind of damage is reported on the damaged slot's line; the others stay
// listed. In the reasons, DATA1, DATA2 and SET2 stand for the stored names.
TEST(QvtoolList, DamagedEntriesAreReportedInPlace) {
  namespace fs = std::filesystem;
  const std::pair<std::function<void(StoredFolder&)>, std::string> cases[] = {
      {[](StoredFolder& f) { fs::remove(f.work / f.names[1].data); }, "data file DATA2 missing"},
      {[](StoredFolder& f) { fs::remove(f.work / f.names[1].attributes); },
       "attribute file SET2 missing"},
      {[](StoredFolder& f) { fs::resize_file(f.work / f.names[1].attributes, 100); },
       "attribute file SET2 has 100 bytes, not 258"},
      {[](StoredFolder& f) { f.Patch(f.names[1].attributes, 1, 7); },  // a flag not 0 or 1
       "attribute file SET2 malformed"},
      {[](StoredFolder& f) { fs::resize_file(f.work / f.names[1].data, 101); },
       "data file DATA2 has 101 bytes, the attributes say 100"},
      {[](StoredFolder& f) { f.Patch(f.names[1].data, 4, 0x12); },
       "data file DATA2 invalid: version"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "data", "../x.dat"); },
       "file name \"../x.dat\" leaves the folder"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "data", f.names[0].data); },
       "data file DATA1 already belongs to slot 1"},
      {[](StoredFolder& f) { f.SetIndex("slot2", "set", ""); },
       "slots.cfg names no attribute file for it"}};
  for (const auto& [damage, pattern] : cases) {
    StoredFolder f;
    const auto lines = f.List(), json = f.List(true);
    std::string reason = pattern;
    for (auto [name, value] : {std::pair<std::string, std::string>{"DATA1", f.names[0].data},
                               {"DATA2", f.names[1].data},
                               {"SET2", f.names[1].attributes}})
      if (auto at = reason.find(name); at != std::string::npos)
        reason.replace(at, name.size(), value);
    damage(f);
    auto damaged = f.List(false, 2), damagedJson = f.List(true, 2);
    ASSERT_TRUE(damaged.size() == 4 && damagedJson.size() == 4) << reason;
    EXPECT_THAT(damaged[1], StartsWith("slot 2: damaged: " + reason));
    EXPECT_THAT(damagedJson[1], StartsWith(R"({"Slot":2,"Error":")"));
    damaged[1] = lines[1];
    damagedJson[1] = json[1];
    EXPECT_EQ(damaged, lines) << "the other slots are listed as before: " << reason;
    EXPECT_EQ(damagedJson, json) << reason;
  }
}

TEST_F(Qvtool, ListWithoutAUsableSlotCount) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("\x00\xFF\x13garbage\x01", 11), "no slot count ([main] count)"},
      {"[other]\r\ncount=3\r\n", "no slot count ([main] count)"},
      {"[main]\r\ncount=lots\r\n", "slot count \"lots\" is not a number from 0 to 65535"},
      {"[main]\r\ncount=-1\r\n", "slot count \"-1\" is not a number from 0 to 65535"},
      {"[main]\r\ncount=70000\r\n", "slot count \"70000\" is not a number from 0 to 65535"},
      {"[main]\r\ncount=0\r\n", ""}};  // an empty folder is a valid one
  for (const auto& [index, reason] : cases) {
    Write("slots.cfg", AsBytes(index));
    auto result = Run("list", root.path());
    EXPECT_EQ(result.exitCode, reason.empty() ? 0 : 1) << index;
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr(reason));
  }
}

}  // namespace

namespace tool {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndReplacesWhatIsNotUtf8) {
  const std::string bad = "\xEF\xBF\xBD";  // the replacement character
  const std::pair<std::string, std::string> cases[] = {
      {R"(say "hi" C:\dir)", R"("say \"hi\" C:\\dir")"},
      {"a\tb\r\nc\x01\x1F\x7F", R"("a\u0009b\u000D\u000Ac\u0001\u001F\u007F")"},
      {std::string("nul\0end", 7), R"("nul\u0000end")"},
      {"Grüße € 日本 😀", "\"Grüße € 日本 😀\""},
      {"", "\"\""},
      {"a\xE9z", "\"a" + bad + "z\""},                   // a lone ANSI byte
      {"\xE6\x97", "\"" + bad + bad + "\""},             // a cut sequence
      {"\xC0\xAF", "\"" + bad + bad + "\""},             // an overlong '/'
      {"\xED\xA0\x80", "\"" + bad + bad + bad + "\""}};  // a surrogate
  for (const auto& [in, out] : cases) EXPECT_EQ(JsonString(in), out);
  EXPECT_EQ(JsonObject().AddNumber("Big", 4294967295).AddRaw("Empty", JsonArray({})).Text(),
            R"({"Big":4294967295,"Empty":[]})");
  EXPECT_EQ(JsonObject().Text(), "{}");
}

}  // namespace
}  // namespace tool
}  // namespace qv
