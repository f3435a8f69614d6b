#include "hotkeys/key_names.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Names two punctuation keys, and claims a fixed name for another code.
std::string FakeLayout(uint16_t code) {
  return code == 186 ? ";" : code == 191 ? "/" : code == 200 ? "Tab" : "";
}

TEST(KeyNames, EveryNameReadsBackAsTheFirstCodeOfThatName) {
  for (uint16_t code = 8; code <= 255; ++code) {
    const std::string name = KeyName(code, FakeLayout);
    if (name.empty()) continue;
    const uint16_t back = KeyCode(name, FakeLayout);
    EXPECT_EQ(KeyName(back, FakeLayout), name) << code;
    EXPECT_LE(back, code) << code;
  }
  EXPECT_EQ(KeyName(103, FakeLayout), "7") << "a keypad digit";
  EXPECT_EQ(KeyName(135, FakeLayout), "F24");
  EXPECT_EQ(KeyName(186, {}), "") << "no layout function";
}

TEST(KeyNames, NamesMatchCaseInsensitivelyAndAnythingElseIsZero) {
  const std::pair<std::string, uint16_t> cases[] = {
      {"f5", 116},
      {"ESC", 27},
      {"pgdn", 34},
      {"v", 'V'},
      {"7", '7'},
      {"/", 191},
      {"tab", 9},
      {"", 0},
      {"F25", 0},
      {" V", 0},
      {"+", 0},
      {"Ctrl", 0},
      {std::string(5000, 'A'), 0},
  };
  for (const auto& [name, code] : cases)
    EXPECT_EQ(KeyCode(name, FakeLayout), code) << name.substr(0, 10);
}

}  // namespace
}  // namespace qv
