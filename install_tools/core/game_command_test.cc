#include "core/game_command.h"

#include <gtest/gtest.h>

#include "platform/files.h"

namespace install_tools {
namespace {

using platform::NativeRelativePath;

TEST(BuildGameCommandTest, GameRootIsTheOwnFolderLessItsSixCharacterName) {
  std::string folder = NativeRelativePath("C:\\Games\\ZARN\\ZARN14");
  std::string game = NativeRelativePath("C:\\Games\\ZARN\\system\\ZARN.exe");
  GameCommand command = BuildGameCommand(folder, "-windowed  \"a b\" ");
  EXPECT_EQ(command.executable, game);
  EXPECT_EQ(command.command_line, game + " -windowed  \"a b\" ");
  EXPECT_EQ(BuildGameCommand(folder, "").command_line, game + " ");
  // A drive root: the game is looked for relative to the current folder.
  EXPECT_EQ(BuildGameCommand("C:", "x").command_line, NativeRelativePath("system\\ZARN.exe x"));
}

}  // namespace
}  // namespace install_tools
