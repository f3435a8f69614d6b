#pragma once
// The help viewer: every help request of the program ends here and becomes an
// HtmlHelpA call on the compiled help file. Requests do nothing when the file
// is not a ".chm" file or the HTML Help library is missing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/html_help.h"

namespace qv {

// A topic as a page name: ".htm" appended unless it already ends in ".htm"
// or ".html" (any case).
std::string TopicPage(std::string_view topic);
// A help file name without a folder, completed with the program's folder.
std::string CompleteHelpFile(std::string_view file, std::string_view programFolder);
// True for a name whose last part ends in ".chm" (any case).
bool IsCompiledHelpFile(std::string_view file);

class THtmlHelpViewer {
 public:
  static constexpr std::string_view kViewerName = "HTML Help";
  static constexpr std::string_view kDefaultExtension = ".htm";

  // `programFolder` (UTF-8) completes help file names without a folder.
  THtmlHelpViewer(HtmlHelpApi& api, std::string programFolder);
  // Closes every help window the program opened.
  ~THtmlHelpViewer();
  THtmlHelpViewer(const THtmlHelpViewer&) = delete;
  THtmlHelpViewer& operator=(const THtmlHelpViewer&) = delete;

  // The current help file (UTF-8), completed with the program's folder.
  void SetHelpFile(std::string_view file);
  const std::string& HelpFile() const { return helpFile_; }
  // The window the help windows belong to.
  void SetOwner(uintptr_t window) { owner_ = window; }

  // What the viewer can answer for the current help file.
  bool CanShowTableOfContents() const;
  bool CanShowTopic() const { return CanShowTableOfContents(); }
  bool CanShowKeyword() const { return CanShowTableOfContents(); }
  // The keyword list for a topic: one entry, "<viewer name>: <topic>".
  std::vector<std::string> KeywordsFor(std::string_view topic) const;

  void ShowTopic(std::string_view topic);
  void ShowTableOfContents();
  // The keyword is the text after the request's first ":", trimmed.
  void ShowKeyword(std::string_view request);
  void ShowContext(uint32_t number);
  // Closes every help window; further requests still work.
  void ShutDown();

 private:
  // The help file as HtmlHelpA takes it (ANSI), or nothing when requests
  // must do nothing.
  bool Usable() const;
  std::string AnsiFile() const;

  HtmlHelpApi& api_;
  std::string programFolder_;
  std::string helpFile_;
  uintptr_t owner_ = 0;
};

}  // namespace qv
