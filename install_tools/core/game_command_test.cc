#include "core/game_command.h"

#include <gtest/gtest.h>

#include "platform/files.h"

namespace install_tools {
namespace {

using platform::NativeRelativePath;

TEST(BuildGameCommandTest, GameRootIsTheOwnFolderLessItsSixCharacterName) {
  std::string folder = NativeRelativePath("C:\\Program Files\\ZARN\\ZARN14");
  GameCommand command = BuildGameCommand(folder, "-windowed  \"a b\" ");
  EXPECT_EQ(command.executable, NativeRelativePath("C:\\Program Files\\ZARN\\system\\ZARN.exe"));
  EXPECT_EQ(command.arguments, "-windowed  \"a b\" ");
  // A drive root: the game is looked for relative to the current folder.
  EXPECT_EQ(BuildGameCommand("C:", "x").executable, NativeRelativePath("system\\ZARN.exe"));
}

}  // namespace
}  // namespace install_tools
