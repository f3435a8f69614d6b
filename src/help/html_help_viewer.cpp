#include "help/html_help_viewer.h"

#include "util/codepage.h"
#include "util/file_extension.h"

namespace qv {
namespace {

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

std::string TopicPage(std::string_view topic) {
  const std::string ext = LowerExtension(topic);
  std::string page(topic);
  if (ext != ".htm" && ext != ".html") page += THtmlHelpViewer::kDefaultExtension;
  return page;
}

std::string CompleteHelpFile(std::string_view file, std::string_view programFolder) {
  if (file.empty() || file.find_first_of("\\/:") != std::string_view::npos)
    return std::string(file);
  std::string full(programFolder);
  if (!full.empty() && full.back() != '\\' && full.back() != '/') full += '\\';
  return full + std::string(file);
}

bool IsCompiledHelpFile(std::string_view file) {
  return LowerExtension(file) == ".chm";
}

THtmlHelpViewer::THtmlHelpViewer(HtmlHelpApi& api, std::string programFolder)
    : api_(api), programFolder_(std::move(programFolder)) {}

THtmlHelpViewer::~THtmlHelpViewer() {
  ShutDown();
}

void THtmlHelpViewer::SetHelpFile(std::string_view file) {
  helpFile_ = CompleteHelpFile(file, programFolder_);
}

bool THtmlHelpViewer::CanShowTableOfContents() const {
  return IsCompiledHelpFile(helpFile_);
}

std::vector<std::string> THtmlHelpViewer::KeywordsFor(std::string_view topic) const {
  return {std::string(kViewerName) + ": " + std::string(topic)};
}

bool THtmlHelpViewer::Usable() const {
  return api_.Available() && IsCompiledHelpFile(helpFile_);
}

std::string THtmlHelpViewer::AnsiFile() const {
  return Utf8ToAnsi(helpFile_);
}

void THtmlHelpViewer::ShowTopic(std::string_view topic) {
  if (!Usable()) return;
  api_.Call(owner_, AnsiFile() + "::/" + Utf8ToAnsi(TopicPage(topic)), true,
            HtmlHelpCommand::DisplayTopic, 0);
}

void THtmlHelpViewer::ShowTableOfContents() {
  if (!Usable()) return;
  api_.Call(owner_, AnsiFile(), true, HtmlHelpCommand::DisplayToc, 0);
}

void THtmlHelpViewer::ShowKeyword(std::string_view request) {
  if (!Usable()) return;
  const size_t colon = request.find(':');
  const std::string keyword =
      Utf8ToAnsi(Trimmed(colon == std::string_view::npos ? request : request.substr(colon + 1)));
  // HH_DISPLAY_INDEX takes the keyword's address; it lives until the call returns.
  api_.Call(owner_, AnsiFile(), true, HtmlHelpCommand::DisplayIndex,
            reinterpret_cast<uintptr_t>(keyword.c_str()));
}

void THtmlHelpViewer::ShowContext(uint32_t number) {
  if (!Usable()) return;
  api_.Call(owner_, AnsiFile(), true, HtmlHelpCommand::HelpContext, number);
}

void THtmlHelpViewer::ShutDown() {
  if (!api_.Available()) return;
  api_.Call(0, {}, false, HtmlHelpCommand::CloseAll, 0);
}

}  // namespace qv
