// The built ZARN launcher, run from a six-character folder of a game folder in
// which a stand-in game records how it was started.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/run_program.h"
#include "testing/temp_dir.h"
#ifndef _WIN32
#include "testing/wine.h"
#endif

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
  // The stand-in game's file, where its records appear.
  std::string game_program() const { return game + NativeRelativePath("\\System\\ZARN.exe"); }
};

// `game_folder` is native and relative to `dir`; `stand_in` the game, if any.
Installation Install(const TempDir& dir, std::string_view game_folder,
                     const fs::path& stand_in = ZARN_RECORD_ARGS_PROGRAM) {
  Installation installation;
  installation.game = dir.str() + std::string(game_folder);
  installation.launcher = installation.game + NativeRelativePath("\\ZARN14\\") +
                          fs::path(ZARN_LAUNCHER_PROGRAM).filename().string();
  fs::create_directories(installation.launcher.parent_path());
  fs::copy_file(ZARN_LAUNCHER_PROGRAM, installation.launcher);
  if (!stand_in.empty()) InstallRecordArgs(installation.game_program(), stand_in);
  return installation;
}

// Runs the launcher and returns what the game recorded.
std::string Launch(const Installation& installation, const std::string& arguments,
                   std::chrono::milliseconds limit = std::chrono::seconds(20)) {
  testing_support::ProgramRun run = testing_support::RunProgram(installation.launcher, arguments);
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "");
  return RecordedArgs(installation.game_program(), limit);
}

// Argument texts and the arguments the game must receive from each, one a line.
const std::vector<std::pair<std::string, std::string>> kArguments = {
    {"-windowed  \"DM_Banque.unr?Name=Gr\xfcn Zarn\" say\\\"hi\\\" \"\" ",
     "-windowed\nDM_Banque.unr?Name=Gr\xfcn Zarn\nsay\"hi\"\n\n"},
    {"\"C:\\Program Files\\\\\" a\\\\b \"x\"\"y\"", "C:\\Program Files\\\na\\\\b\nx\"y\n"},
};

TEST(ZarnLauncherTest, TheGameReceivesExactlyTheLaunchersArgumentsWhereverItIsInstalled) {
  for (const std::string& folder : testing_support::InstallationFolders()) {
    for (const auto& [arguments, received] : kArguments) {
      TempDir dir;
      Installation installation = Install(dir, folder);
      EXPECT_EQ(Launch(installation, arguments), received) << folder;
#ifdef _WIN32
      // The game's raw command line: its path as one quoted token, then the
      // text exactly as the launcher received it.
      EXPECT_EQ(ReadFile(installation.game_program() + ".cmdline"),
                "\"" + installation.game + "\\system\\ZARN.exe\" " + arguments);
#endif
    }
  }
}

TEST(ZarnLauncherTest, WithoutArgumentsTheGameGetsNone) {
  TempDir dir;
  Installation installation = Install(dir, NativeRelativePath("\\Program Files\\ZARN"));
  EXPECT_EQ(Launch(installation, ""), "");
#ifdef _WIN32
  EXPECT_EQ(ReadFile(installation.game_program() + ".cmdline"),
            "\"" + installation.game + "\\system\\ZARN.exe\"");
#endif
}

TEST(ZarnLauncherTest, WithoutTheGameEndsSilently) {
  TempDir dir;
  Installation installation = Install(dir, NativeRelativePath("\\ZARN"), {});
  testing_support::ProgramRun run = testing_support::RunProgram(installation.launcher, "-windowed");
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "");
}

TEST(ZarnLauncherTest, BlanksInTheGameFolderCannotStartAnotherProgram) {
  TempDir dir;
  // Split at its blank, the game folder would name the program "<dir>/Program".
  InstallRecordArgs(dir.str() + NativeRelativePath("\\Program"));
  Installation installation = Install(dir, NativeRelativePath("\\Program Files\\Halvane ZARN"));
  EXPECT_EQ(Launch(installation, "-windowed"), "-windowed\n");
  EXPECT_FALSE(platform::FileExist(dir.str() + NativeRelativePath("\\Program.args")));
}

#ifndef _WIN32
TEST(ZarnLauncherTest, AWindowsGameStartedThroughWineReceivesExactlyTheLaunchersArguments) {
  std::string unavailable = testing_support::ReadyWine();
  if (!unavailable.empty()) GTEST_SKIP() << "Not started through wine: " << unavailable;
  TempDir dir;
  Installation installation =
      Install(dir, "/Program Files/Halvane/ZARN", testing_support::WindowsRecordArgs());
  // Arguments within ASCII, which every code page of the game keeps; a first
  // start in a new prefix sets the prefix up first.
  EXPECT_EQ(Launch(installation, kArguments[1].first, std::chrono::minutes(2)),
            kArguments[1].second);
}
#endif

}  // namespace
}  // namespace install_tools
