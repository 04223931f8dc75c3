#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::TempDir;
using testing_support::WriteFile;

TEST(FileExistTest, ExistsWhenTheLengthCanBeObtained) {
  TempDir dir;
  WriteFile(dir.path() / "empty.unr", "");
  WriteFile(dir.path() / "map.unr", "map");
  std::filesystem::create_directory(dir.path() / "folder.unr");

  EXPECT_TRUE(FileExist(dir.str() + "/empty.unr"));
  EXPECT_TRUE(FileExist(dir.str() + "/map.unr"));
  EXPECT_FALSE(FileExist(dir.str() + "/folder.unr"));
  EXPECT_FALSE(FileExist(dir.str() + "/missing.unr"));
  EXPECT_FALSE(FileExist(dir.str() + "/missing/map.unr"));
  EXPECT_FALSE(FileExist(dir.str() + "/map.unr/inside"));
  EXPECT_FALSE(FileExist(""));
  EXPECT_FALSE(FileExist(std::string("bad\0name", 8)));
}

TEST(FileExistTest, FindsGameFilesWhateverTheirCase) {
  TempDir game;
  WriteFile(game.path() / "System" / "ZARN.exe", "");
  WriteFile(game.path() / "Maps" / "DM_Banque.unr", "");
  WriteFile(game.path() / "Program Files" / "Halvane" / "ZARN" / "system" / "zarn.exe", "");

  EXPECT_TRUE(FileExist(game.str() + NativeRelativePath("\\system\\zarn.exe")));
  EXPECT_TRUE(FileExist(game.str() + NativeRelativePath("\\maps\\dm_banque.UNR")));
  EXPECT_TRUE(FileExist(game.str() +
                        NativeRelativePath("\\program files\\HALVANE\\zarn\\SYSTEM\\ZARN.EXE")));
  EXPECT_FALSE(FileExist(game.str() + NativeRelativePath("\\maps\\DM_Banque.unr.bak")));
}

TEST(FileExistTest, ToleratesTheDoubledSeparatorOfAFolderEndingInOne) {
  TempDir game;
  WriteFile(game.path() / "system" / "zarn.exe", "");
  std::string folder = game.str() + NativeRelativePath("\\");
  EXPECT_TRUE(FileExist(folder + NativeRelativePath("\\system\\zarn.exe")));
}

TEST(FileNamesInTest, ListsTheFilesOfAFolderFoundWhateverItsCase) {
  TempDir game;
  WriteFile(game.path() / "Maps" / "List" / "DM-Arena.unr", "");
  WriteFile(game.path() / "Maps" / "List" / "Read me", "text");
  std::filesystem::create_directories(game.path() / "Maps" / "List" / "Folder.unr");

  std::vector<std::string> names = FileNamesIn(game.str() + NativeRelativePath("\\maps\\list"));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"DM-Arena.unr", "Read me"}));
  EXPECT_TRUE(FileNamesIn(game.str() + NativeRelativePath("\\maps\\missing")).empty());
}

TEST(ResolvePathTest, KeepsWhatMatchesNothing) {
  TempDir game;
  WriteFile(game.path() / "System" / "ucc.exe", "");
  std::string missing = game.str() + NativeRelativePath("\\server\\ucc.exe");
  EXPECT_EQ(ResolvePath(missing), missing);
  std::string exact = game.str() + NativeRelativePath("\\System\\ucc.exe");
  EXPECT_EQ(ResolvePath(exact), exact);
}

}  // namespace
}  // namespace platform
