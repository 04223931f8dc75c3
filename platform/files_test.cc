#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::EntriesIn;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

void MakeReadOnly(const std::filesystem::path& path) {
  // Without any write bit on POSIX; the read-only attribute on Windows.
  std::filesystem::permissions(path,
                               std::filesystem::perms::owner_write |
                                   std::filesystem::perms::group_write |
                                   std::filesystem::perms::others_write,
                               std::filesystem::perm_options::remove);
}

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

TEST(FileWritableTest, OnlyFilesNotMarkedReadOnly) {
  TempDir game;
  WriteFile(game.path() / "System" / "ZARN.ini", "a");
  WriteFile(game.path() / "System" / "Default.ini", "b");
  MakeReadOnly(game.path() / "System" / "Default.ini");
  EXPECT_TRUE(FileWritable(game.str() + NativeRelativePath("\\system\\zarn.ini")));
  EXPECT_FALSE(FileWritable(game.str() + NativeRelativePath("\\system\\default.ini")));
  EXPECT_FALSE(FileWritable(game.str() + NativeRelativePath("\\system")));
  EXPECT_FALSE(FileWritable(game.str() + NativeRelativePath("\\system\\missing.ini")));
}

TEST(RemoveFileTest, DeletesWritableFilesOnly) {
  TempDir maps;
  WriteFile(maps.path() / "DM_Spads.unr", "map");
  WriteFile(maps.path() / "dm_base.unr", "map");
  MakeReadOnly(maps.path() / "dm_base.unr");
  std::filesystem::create_directory(maps.path() / "dm_testpath.unr");

  EXPECT_TRUE(RemoveFile(maps.str() + NativeRelativePath("\\dm_spads.unr")).ok());
  EXPECT_FALSE(std::filesystem::exists(maps.path() / "DM_Spads.unr"));
  for (const char* refused : {"\\dm_base.unr", "\\dm_testpath.unr", "\\dm_losttemple.unr"}) {
    Status status = RemoveFile(maps.str() + NativeRelativePath(refused));
    EXPECT_FALSE(status.ok()) << refused;
    EXPECT_NE(status.message().find("Cannot delete"), std::string::npos) << status.message();
  }
  EXPECT_EQ(ReadFile(maps.path() / "dm_base.unr"), "map");
  EXPECT_TRUE(std::filesystem::is_directory(maps.path() / "dm_testpath.unr"));
}

TEST(CopyFileReplacingTest, ReplacesTheTargetAsAWholeUnderItsOwnName) {
  TempDir game;
  std::string full = std::string("[Maps]\r\nMap=DM_Base2\0\x80\r\n", 24);
  WriteFile(game.path() / "Maps" / "MapListFull.ZARN", full);
  WriteFile(game.path() / "System" / "MapList.INI", "an older and longer map list");
  std::filesystem::create_directory(game.path() / "Server");

  std::string source = game.str() + NativeRelativePath("\\maps\\MapListFull.ZARN");
  ASSERT_TRUE(
      CopyFileReplacing(source, game.str() + NativeRelativePath("\\system\\MapList.ini")).ok());
  ASSERT_TRUE(
      CopyFileReplacing(source, game.str() + NativeRelativePath("\\server\\MapList.ini")).ok());
  EXPECT_EQ(ReadFile(game.path() / "System" / "MapList.INI"), full);
  EXPECT_EQ(ReadFile(game.path() / "Server" / "MapList.ini"), full);
  EXPECT_EQ(EntriesIn(game.path() / "System"), 1u);
  EXPECT_EQ(EntriesIn(game.path() / "Server"), 1u);
}

TEST(CopyFileReplacingTest, AFailedCopyLeavesTheTargetAsItWas) {
  TempDir game;
  WriteFile(game.path() / "maps" / "MapListLite.zarn", "lite");
  std::filesystem::create_directory(game.path() / "maps" / "folder.zarn");
  WriteFile(game.path() / "system" / "MapList.ini", "installed");
  WriteFile(game.path() / "server" / "MapList.ini", "read-only");
  MakeReadOnly(game.path() / "server" / "MapList.ini");

  std::string lite = game.str() + NativeRelativePath("\\maps\\MapListLite.zarn");
  std::string installed = game.str() + NativeRelativePath("\\system\\MapList.ini");
  EXPECT_FALSE(
      CopyFileReplacing(game.str() + NativeRelativePath("\\maps\\missing.zarn"), installed).ok());
  EXPECT_FALSE(
      CopyFileReplacing(game.str() + NativeRelativePath("\\maps\\folder.zarn"), installed).ok());
  EXPECT_FALSE(
      CopyFileReplacing(lite, game.str() + NativeRelativePath("\\server\\MapList.ini")).ok());
  EXPECT_FALSE(
      CopyFileReplacing(lite, game.str() + NativeRelativePath("\\missing\\MapList.ini")).ok());
  EXPECT_EQ(ReadFile(game.path() / "system" / "MapList.ini"), "installed");
  EXPECT_EQ(ReadFile(game.path() / "server" / "MapList.ini"), "read-only");
  EXPECT_EQ(EntriesIn(game.path() / "system"), 1u);
  EXPECT_EQ(EntriesIn(game.path() / "server"), 1u);
}

}  // namespace
}  // namespace platform
