// The built ZARN launcher, run from a six-character folder of a game folder in
// which a stand-in game records how it was started.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/run_program.h"
#include "testing/temp_dir.h"

namespace install_tools {
namespace {

namespace fs = std::filesystem;
using platform::NativeRelativePath;
using testing_support::InstallRecordArgs;
using testing_support::ReadFile;
using testing_support::RecordedArgs;
using testing_support::TempDir;

struct Installation {
  std::string game;
  fs::path launcher;
};

Installation Install(const TempDir& dir, std::string_view game_folder, bool with_game) {
  Installation installation;
  installation.game = dir.str() + NativeRelativePath(game_folder);
  installation.launcher = installation.game + NativeRelativePath("\\ZARN14\\") +
                          fs::path(ZARN_LAUNCHER_PROGRAM).filename().string();
  fs::create_directories(installation.launcher.parent_path());
  fs::copy_file(ZARN_LAUNCHER_PROGRAM, installation.launcher);
  if (with_game) InstallRecordArgs(installation.game + NativeRelativePath("\\System\\ZARN.exe"));
  return installation;
}

// Runs the launcher and returns what the game recorded.
std::string Launch(const Installation& installation, const std::string& arguments) {
  testing_support::ProgramRun run = testing_support::RunProgram(installation.launcher, arguments);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "");
  return RecordedArgs(installation.game + NativeRelativePath("\\System\\ZARN.exe"));
}

TEST(ZarnLauncherTest, PassesItsArgumentsOnExactly) {
  TempDir dir;
  Installation installation = Install(dir, "\\ZARN", true);
  const std::string arguments =
      "-windowed  \"DM_Banque.unr?Name=Gr\xfcn Zarn\" say\\\"hi\\\" \"\" ";
  EXPECT_EQ(Launch(installation, arguments),
            "-windowed\nDM_Banque.unr?Name=Gr\xfcn Zarn\nsay\"hi\"\n\n");
#ifdef _WIN32
  // The game's raw command line: the path unquoted, one blank, the text as given.
  EXPECT_EQ(ReadFile(installation.game + "\\System\\ZARN.exe.cmdline"),
            installation.game + "\\system\\ZARN.exe " + arguments);
#endif
}

TEST(ZarnLauncherTest, WithoutArgumentsTheCommandEndsInTheBlank) {
  TempDir dir;
  Installation installation = Install(dir, "\\ZARN", true);
  EXPECT_EQ(Launch(installation, ""), "");
#ifdef _WIN32
  EXPECT_EQ(ReadFile(installation.game + "\\System\\ZARN.exe.cmdline"),
            installation.game + "\\system\\ZARN.exe ");
#endif
}

TEST(ZarnLauncherTest, WithoutTheGameEndsSilently) {
  TempDir dir;
  Installation installation = Install(dir, "\\ZARN", false);
  testing_support::ProgramRun run = testing_support::RunProgram(installation.launcher, "-windowed");
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "");
}

TEST(ZarnLauncherTest, BlanksInTheGameFolderCannotStartAnotherProgram) {
  TempDir dir;
  // Split at its blank, the game folder would name the program "<dir>/Program".
  InstallRecordArgs(dir.str() + NativeRelativePath("\\Program"));
  Installation installation = Install(dir, "\\Program Files\\Halvane ZARN", true);
  // The command line stays as built, so the game sees the rest of its path as
  // arguments, as it would on Windows.
  EXPECT_EQ(Launch(installation, "-windowed"),
            "Files" + NativeRelativePath("\\Halvane") + "\nZARN" +
                NativeRelativePath("\\system\\ZARN.exe") + "\n-windowed\n");
  EXPECT_FALSE(platform::FileExist(dir.str() + NativeRelativePath("\\Program.args")));
}

}  // namespace
}  // namespace install_tools
