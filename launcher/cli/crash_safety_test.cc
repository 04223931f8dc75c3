// The built hostdeck-cli killed at random moments of a save of several keys: the
// settings file holds one whole save, the old or the new, and nothing is left
// beside it (see KillTally for the one instant that leaves the new file under
// its temp name). The registry that Windows keeps the settings in has no such
// replace, so this runs where the settings are a file.
#include <gtest/gtest.h>

#include <iostream>

#include "platform/command_line.h"
#include "testing/kill_rounds.h"
#include "testing/run_program.h"
#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"

namespace hostdeck {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::WriteFile;

TEST(HostdeckCliCrashSafetyTest, AKilledSaveLeavesTheOldOrTheNewSettingsAndNothingBeside) {
  testing_support::SettingsSandbox sandbox("LaunchdeckByKestrin");
  fs::path folder = fs::path(sandbox.config_home()) / "LaunchdeckByKestrin";
  fs::path file = folder / "settings.ini";
  // Hand-kept lines make the file large enough that most kills land in the save.
  std::string old_settings =
      "[LaunchdeckByKestrin]\ntxtServerName=Old\ntxtPort=1111\ntxtAccountName=old\n"
      "txtAccountPassword=oldpw\nchkSavePasswords=1\n";
  for (int i = 0; i < 5000; ++i) old_settings += "; kept line " + std::to_string(i) + "\n";
  auto reset = [&] {
    fs::remove_all(folder);
    WriteFile(file, old_settings);
  };
  std::string arguments =
      platform::JoinArguments({"set", "txtServerName=New", "txtPort=2222", "txtAccountName=new",
                               "txtAccountPassword=newpw", "chkFriendlyFire=1"});

  reset();
  ASSERT_EQ(testing_support::RunProgram(HOSTDECK_CLI_PROGRAM, arguments).exit_code, 0);
  std::string saved = ReadFile(file);
  ASSERT_NE(saved.find("\ntxtServerName=New\n"), std::string::npos) << saved.substr(0, 200);
  ASSERT_NE(saved.find("\nchkFriendlyFire=1\n"), std::string::npos) << saved.substr(0, 200);

  auto snapshot = [&] {
    testing_support::Files files;
    for (const auto& entry : fs::directory_iterator(folder)) {
      files[entry.path().filename().string()] = ReadFile(entry.path());
    }
    return files;
  };
  testing_support::KillTally tally = testing_support::RunKillRounds(
      HOSTDECK_CLI_PROGRAM, arguments, testing_support::KillRounds(100), reset, snapshot);
  std::cout << testing_support::Describe("hostdeck-cli set", tally) << '\n';
  EXPECT_EQ(tally.broken, 0);
  EXPECT_EQ(tally.partly, 0) << "a save is one replace";
  EXPECT_EQ(tally.left, 0);
  EXPECT_GT(tally.killed, 0);
}

}  // namespace
}  // namespace hostdeck
