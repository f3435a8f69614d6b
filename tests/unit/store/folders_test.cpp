#include "store/folders.h"

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

}  // namespace
}  // namespace qv
