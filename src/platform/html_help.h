#pragma once
// The HTML Help library's one entry point, HtmlHelpA, as the program calls
// it. The library is loaded at run time and may be missing.
#include <cstdint>
#include <string>

namespace qv {

// HTML Help commands the program sends.
enum class HtmlHelpCommand : unsigned {
  DisplayTopic = 0,  // HH_DISPLAY_TOPIC
  DisplayToc = 1,    // HH_DISPLAY_TOC
  DisplayIndex = 2,  // HH_DISPLAY_INDEX
  HelpContext = 15,  // HH_HELP_CONTEXT
  CloseAll = 18,     // HH_CLOSE_ALL
};

class HtmlHelpApi {
 public:
  virtual ~HtmlHelpApi() = default;
  // False when the library or its entry point could not be found.
  virtual bool Available() const = 0;
  // HtmlHelpA(window, file, command, data); `file` holds ANSI bytes, and
  // `hasFile` false passes a null file. Returns the window the library
  // answered, as an integer (0 for none).
  virtual uintptr_t Call(uintptr_t window, const std::string& file, bool hasFile,
                         HtmlHelpCommand command, uintptr_t data) = 0;
};

}  // namespace qv
