#include "store/folders.h"
#include "store/slot_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include "test_support.h"

namespace qv {
namespace {

TEST(AppFolders, PathsUnderTheApplicationDataFolder) {
  AppFolders f = MakeAppFolders(std::filesystem::path("appdata"));
  EXPECT_EQ(f.DataFolder, std::filesystem::path("appdata") / "Quorvane");
  EXPECT_EQ(f.OptionsFile, f.DataFolder / "options.cfg");
  EXPECT_EQ(f.WorkFolder, f.DataFolder / "work");
  EXPECT_EQ(f.SetsFolder, f.DataFolder / "sets");
  EXPECT_EQ(MakeAppFolders(std::nullopt).DataFolder, std::filesystem::path("c:\\"));
}

TEST(AppFolders, EnsureCreatesFoldersAndReplacesFilesInTheWay) {
  test::TempFolder root;
  AppFolders f = MakeAppFolders(root.path());
  std::filesystem::create_directories(f.DataFolder);
  std::ofstream(f.WorkFolder) << "a file";
  EnsureAppFolders(f);
  EXPECT_TRUE(std::filesystem::is_directory(f.WorkFolder));
  EXPECT_TRUE(std::filesystem::is_directory(f.SetsFolder));
  std::ofstream(f.WorkFolder / "keep.dat") << "x";
  EnsureAppFolders(f);
  EXPECT_TRUE(std::filesystem::exists(f.WorkFolder / "keep.dat")) << "existing folders are kept";
}

TEST(AppFolders, Win9xFamily) {
  EXPECT_TRUE(IsWin9xFamily(true, 4, 0, false));   // 95
  EXPECT_TRUE(IsWin9xFamily(true, 4, 10, false));  // 98
  EXPECT_TRUE(IsWin9xFamily(true, 4, 90, false));  // Me
  EXPECT_FALSE(IsWin9xFamily(true, 4, 0, true));   // NT 4
  EXPECT_FALSE(IsWin9xFamily(true, 5, 1, true));
  EXPECT_FALSE(IsWin9xFamily(false, 4, 10, false));
}

// The names of the program's data and attribute files: one to six digits and ".dat".
TEST(SlotFolder, SlotFileNames) {
  const std::pair<const char*, bool> cases[] = {
      {"1.dat", true},     {"123456.dat", true}, {"1234567.dat", false}, {".dat", false},
      {"12a4.dat", false}, {"1234.txt", false},  {"1234.DAT", false},
  };
  for (auto [name, isSlotFile] : cases) EXPECT_EQ(IsSlotFileName(name), isSlotFile) << name;
}

}  // namespace
}  // namespace qv
