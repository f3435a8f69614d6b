#include "help/html_help_viewer.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_html_help.h"

namespace qv {
namespace {

using Command = HtmlHelpCommand;
using Call = SimHtmlHelp::CallRecord;

TEST(HelpTopics, PageNamesGetTheDefaultExtensionUnlessTheyHaveAnHtmlOne) {
  for (const char* page : {"tray.html", "SETSMAN.HTML", "page.Htm"})
    EXPECT_EQ(TopicPage(page), page);
  for (std::string topic : {"tab1", "notes.txt", "old.html.bak", "dir.htm\\page", "page.htmx"})
    EXPECT_EQ(TopicPage(topic), topic + ".htm");
}

TEST(HelpTopics, AFileWithoutAFolderIsCompletedWithTheProgramFolder) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"manual.chm", "C:\\Program Files\\Quorvane", "C:\\Program Files\\Quorvane\\manual.chm"},
      {"manual.chm", "C:\\", "C:\\manual.chm"},
      {"D:\\docs\\manual.chm", "C:\\Q", "D:\\docs\\manual.chm"},
      {"docs/manual.chm", "C:\\Q", "docs/manual.chm"},
      {"E:manual.chm", "C:\\Q", "E:manual.chm"},
      {"", "C:\\Q", ""},
  };
  for (const auto& [file, folder, full] : cases) EXPECT_EQ(CompleteHelpFile(file, folder), full);
}

TEST(HelpTopics, OnlyChmFilesQualify) {
  for (const char* file : {"manual.chm", "C:\\Q\\MANUAL.CHM", "x.Chm"})
    EXPECT_TRUE(IsCompiledHelpFile(file)) << file;
  for (const char* file : {"manual.hlp", "chm", "manualchm", "C:\\help.chm\\manual",
                           "manual.chm.txt", "manual.chm ", ""})
    EXPECT_FALSE(IsCompiledHelpFile(file)) << file;
}

class HelpViewer : public ::testing::Test {
 protected:
  HelpViewer() {
    viewer.SetHelpFile("manual.chm");
    viewer.SetOwner(0x1234);
  }
  SimHtmlHelp api;
  THtmlHelpViewer viewer{api, "C:\\Program Files\\Quorvane"};
};

TEST_F(HelpViewer, ShowTopicCallsHtmlHelpWithFileAndPage) {
  viewer.ShowTopic("interface.html");
  viewer.ShowTopic("tab1");
  const std::string file = "C:\\Program Files\\Quorvane\\manual.chm";
  EXPECT_EQ(api.calls, (std::vector<Call>{
                           {0x1234, file + "::/interface.html", true, Command::DisplayTopic, 0, ""},
                           {0x1234, file + "::/tab1.htm", true, Command::DisplayTopic, 0, ""},
                       }));
}

TEST_F(HelpViewer, TheOtherOperationsNameTheFileAlone) {
  viewer.ShowTableOfContents();
  viewer.ShowKeyword("HTML Help:  slots ");
  viewer.ShowKeyword(" tray:menu: icon");
  viewer.ShowKeyword("  no colon ");
  viewer.ShowContext(42);
  const std::string file = "C:\\Program Files\\Quorvane\\manual.chm";
  ASSERT_EQ(api.calls.size(), 5u);
  EXPECT_EQ(api.calls[0], (Call{0x1234, file, true, Command::DisplayToc, 0, ""}));
  const char* keywords[] = {"slots", "menu: icon", "no colon"};
  for (size_t i = 0; i < 3; ++i) {  // `data` points to the keyword
    const Call& c = api.calls[1 + i];
    EXPECT_EQ(std::tuple(c.window, c.file, c.hasFile, c.command, c.keyword),
              std::tuple(uintptr_t{0x1234}, file, true, Command::DisplayIndex, keywords[i]));
  }
  EXPECT_EQ(api.calls[4], (Call{0x1234, file, true, Command::HelpContext, 42, ""}));
  EXPECT_EQ(viewer.KeywordsFor("tray"), std::vector<std::string>{"HTML Help: tray"});
}

TEST_F(HelpViewer, NothingHappensForAFileThatIsNotChmOrWithoutTheLibrary) {
  auto everything = [&] {
    viewer.ShowTopic("tab1");
    viewer.ShowTableOfContents();
    viewer.ShowKeyword("x: y");
    viewer.ShowContext(1);
  };
  viewer.SetHelpFile("manual.hlp");
  EXPECT_FALSE(viewer.CanShowTableOfContents());
  everything();
  viewer.SetHelpFile("manual");
  everything();
  EXPECT_TRUE(api.calls.empty());

  viewer.SetHelpFile("manual.chm");
  EXPECT_TRUE(viewer.CanShowTopic());
  api.available = false;
  everything();
  viewer.ShutDown();
  EXPECT_TRUE(api.calls.empty());
}

TEST_F(HelpViewer, ShuttingDownClosesEveryHelpWindow) {
  {
    THtmlHelpViewer second(api, "C:\\Q");
    second.ShowTopic("tray.html");  // no help file yet
  }
  EXPECT_EQ(api.calls, (std::vector<Call>{{0, "", false, Command::CloseAll, 0, ""}}));
}

TEST(HelpViewerText, TheFileReachesHtmlHelpInTheAnsiCodePage) {
  SimHtmlHelp api;
  THtmlHelpViewer viewer(api, "C:\\Programme\\Qu\xC3\xB6rvane");
  viewer.SetHelpFile("manual.chm");
  EXPECT_EQ(viewer.HelpFile(), "C:\\Programme\\Qu\xC3\xB6rvane\\manual.chm");
  viewer.ShowTopic("tray.html");
  ASSERT_EQ(api.calls.size(), 1u);
  EXPECT_EQ(api.calls[0].file, "C:\\Programme\\Qu\xF6rvane\\manual.chm::/tray.html");
}

}  // namespace
}  // namespace qv
