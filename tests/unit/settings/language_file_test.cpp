#include <gtest/gtest.h>

#include "settings/language_file.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

TEST(LanguageFile, TheOptionNamesAnExistingFileInTheLanguagesFolder) {
  test::TempFolder program;
  const auto languages = program.path() / "languages";
  std::filesystem::create_directories(languages / "folder.lng");
  ASSERT_TRUE(WriteWholeFile(languages / "de.lng", AsBytes(std::string("[info]\n"))));
  ASSERT_TRUE(WriteWholeFile(program.path() / "beside.lng", AsBytes(std::string("[info]\n"))));
  const struct {
    std::string option;
    std::filesystem::path expected;
  } cases[] = {
      {"de.lng", languages / "de.lng"},
      {"", {}},
      {"fr.lng", {}},
      {"folder.lng", {}},
      {(program.path() / "beside.lng").string(), {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CurrentLanguageFile(program.path(), c.option), c.expected) << c.option;
}

}  // namespace
}  // namespace qv
