#pragma once
// Records the HtmlHelpA calls that would have been made.
#include <string>
#include <vector>

#include "platform/html_help.h"

namespace qv {

class SimHtmlHelp : public HtmlHelpApi {
 public:
  struct CallRecord {
    uintptr_t window;
    std::string file;
    bool hasFile;
    HtmlHelpCommand command;
    uintptr_t data;
    std::string keyword;  // the text `data` points to, for DisplayIndex
    bool operator==(const CallRecord&) const = default;
  };

  bool Available() const override { return available; }
  uintptr_t Call(uintptr_t window, const std::string& file, bool hasFile, HtmlHelpCommand command,
                 uintptr_t data) override {
    std::string keyword;
    if (command == HtmlHelpCommand::DisplayIndex && data)
      keyword = reinterpret_cast<const char*>(data);
    calls.push_back({window, file, hasFile, command, data, keyword});
    return 0;
  }

  bool available = true;
  std::vector<CallRecord> calls;
};

}  // namespace qv
