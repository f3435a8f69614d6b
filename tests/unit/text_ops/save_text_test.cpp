#include "text_ops/save_text.h"

#include <gtest/gtest.h>

#include "sim_fixture.h"
#include "attributes/previews.h"
#include "text_ops/text_output.h"
#include "util/codepage.h"

namespace qv {
namespace {

TEST(SaveText, DialogOffersRichTextOnlyForRichSlots) {
  const SaveDialogSetup plain = SaveTextDialog(false), rich = SaveTextDialog(true);
  EXPECT_EQ(plain.filter, "Plain Text (*.txt)|*.txt");
  EXPECT_EQ(rich.filter, "Plain Text (*.txt)|*.txt|Rich Text Format (*.rtf)|*.rtf");
  for (const SaveDialogSetup& s : {plain, rich}) {
    EXPECT_EQ(s.filterIndex, 1);
    EXPECT_TRUE(s.fileName.empty());
    // The dialog must neither add an extension nor ask about the typed name:
    // the name written is SaveTextName's.
    EXPECT_TRUE(s.defaultExtension.empty());
    EXPECT_FALSE(s.overwritePrompt);
  }
}

TEST(SaveText, NameWrittenAndItsContent) {
  struct Case {
    const char* chosen;
    int32_t filterIndex;
    bool rich;
    const char* written;
    SavedText content;
  } cases[] = {
      {"notes", 1, false, "notes.txt", SavedText::kPlain},
      {"notes.doc", 1, false, "notes.doc.txt", SavedText::kPlain},
      {"NOTES.TXT", 1, false, "NOTES.TXT", SavedText::kPlain},
      {"notes.rtf", 1, false, "notes.rtf.txt", SavedText::kPlain},
      {"C:\\my.docs\\notes", 1, false, "C:\\my.docs\\notes.txt", SavedText::kPlain},
      {"report", 2, true, "report.rtf", SavedText::kRich},
      {"report", 1, true, "report.txt", SavedText::kPlain},
      {"report.doc", 2, true, "report.doc.rtf", SavedText::kRich},
      // A typed .txt or .rtf wins over the filter.
      {"report.Rtf", 1, true, "report.Rtf", SavedText::kRich},
      {"report.txt", 2, true, "report.txt", SavedText::kPlain},
      {"report.", 2, true, "report..rtf", SavedText::kRich},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    const SaveTextTarget t = SaveTextName(c.chosen, c.filterIndex, c.rich);
    EXPECT_EQ(t.fileName, c.written);
    EXPECT_EQ(t.content, c.content);
    // The written name keeps what was typed and ends in the content's extension.
    EXPECT_TRUE(t.fileName.starts_with(c.chosen));
    EXPECT_EQ(LowerExtension(t.fileName), t.content == SavedText::kRich ? ".rtf" : ".txt");
  }
  EXPECT_EQ(LowerExtension("a.b\\c"), "");
  EXPECT_EQ(LowerExtension("x/y.TeXt"), ".text");
  EXPECT_NE(OverwriteQuestion("C:\\a\\report.rtf").find("C:\\a\\report.rtf"), std::string::npos);
}

struct SaveContent : test::SimFixture, ::testing::Test {
  uint32_t rtfId = clipboard.RegisterFormat(kRichTextFormatName);
  PreviewSettings settings;
  SaveContent() { slots.reserve(16); }  // references to records outlive later captures
  static std::string Text(const Bytes& b) { return std::string(b.begin(), b.end()); }
};

TEST_F(SaveContent, BytesOfEachKindOfSlot) {
  const std::string rtf = "{\\rtf1\\ansi r\\'e9sum\\'e9\\par two}";
  TClipRec& both =
      CaptureNew({{rtfId, Bytes(rtf.begin(), rtf.end())}, {CF_TEXT, test::Ansi("plain version")}});
  EXPECT_EQ(Text(SaveTextContent(both, SavedText::kRich, settings)), rtf);
  EXPECT_EQ(Text(SaveTextContent(both, SavedText::kPlain, settings)), "plain version");

  TClipRec& richOnly = CaptureNew({{rtfId, Bytes(rtf.begin(), rtf.end())}});
  EXPECT_EQ(Text(SaveTextContent(richOnly, SavedText::kPlain, settings)), "r\xE9sum\xE9\r\ntwo");

  TClipRec& files = CaptureNew({{CF_HDROP, test::DropList({"C:\\a.txt", "C:\\b.txt"})}});
  const std::string names = Text(SaveTextContent(files, SavedText::kPlain, settings));
  EXPECT_EQ(names, Utf8ToAnsi(FileListText(files, settings)));
  EXPECT_NE(names.find("C:\\a.txt"), std::string::npos);
}

}  // namespace
}  // namespace qv
