// The built hostdeck-cli program, run as an operator runs it, against a clean
// settings store and a sample game whose server is the record_args stand-in.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/files.h"
#include "test_support/sample_game.h"
#include "testing/run_program.h"
#include "testing/settings_sandbox.h"

namespace hostdeck {
namespace {

using testing_support::ProgramRun;

ProgramRun Cli(const std::vector<std::string>& args) {
  return testing_support::RunProgram(HOSTDECK_CLI_PROGRAM, platform::JoinArguments(args));
}

void ExpectDone(const ProgramRun& run) {
  EXPECT_TRUE(run.ended);
  EXPECT_EQ(run.exit_code, 0) << run.error;
  EXPECT_EQ(run.error, "");
}

TEST(HostdeckCliEndToEndTest, SetChooseAndLaunchTheStandInServer) {
  testing_support::SettingsSandbox sandbox("LaunchdeckByKestrin");
  // Installed where the default installation is, and on POSIX in a folder
  // whose name holds quotes too.
#ifdef _WIN32
  SampleGame game;
#else
  SampleGame game("/Program Files/Halvane \"ZARN\" 1.4");
#endif

  ProgramRun refused = Cli({"launch"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.error, "warning: Please set a valid path to ZARN game first.\n");

  ExpectDone(Cli({"path", game.folder()}));
  ExpectDone(Cli({"set", "txtServerName=E2E Server", "txtNumberOfPlayers=06", "txtAccountName=op",
                  "txtAccountPassword=pw", "txtServerPassword=club", "chkFriendlyFire=1"}));
  ExpectDone(Cli({"map", "Docks"}));
  ExpectDone(Cli({"mode", "Sabotage"}));

  // Passwords are kept only when chkSavePasswords is ticked: given at launch.
  ProgramRun launched =
      Cli({"launch", "txtAccountPassword=pw", "txtServerPassword=club", "txtTimeLimit=00"});
  ExpectDone(launched);
  std::string url =
      "SB_USA2.unr?GameIdx=4?MapName=Docks?NP=06?FF=1?FR=20?TI=0?Game=ZARNMP.ZARNMPBombGame"
      "?AdminPassword=kw3pqzrvmtb?Password=club?SN=E2E_Server?Mutator=?GS=1"
      "?ServerName=E2E_Server?GSAlias=op?GSPassword=pw?IsPrivate=Y?GamePassword=club";
  std::string server = game.folder() + platform::NativeRelativePath("\\system\\ucc.exe");
  EXPECT_EQ(testing_support::RecordedArgs(game.server()), "server\n" + url + "\n-port=7777\n");
#ifdef _WIN32
  EXPECT_EQ(testing_support::ReadFile(game.server().string() + ".cmdline"),
            "\"" + server + "\" server " + url + " -port=7777");
#endif
  EXPECT_EQ(launched.output,
            "\"" + server +
                "\" server SB_USA2.unr?GameIdx=4?MapName=Docks?NP=06?FF=1?FR=20?TI=0"
                "?Game=ZARNMP.ZARNMPBombGame?AdminPassword=***?Password=***?SN=E2E_Server"
                "?Mutator=?GS=1?ServerName=E2E_Server?GSAlias=op?GSPassword=***"
                "?IsPrivate=Y?GamePassword=*** -port=7777\n");

  // The launch saved what it tidied, and no password.
  ProgramRun shown = Cli({"show", "--show-passwords"});
  ExpectDone(shown);
  EXPECT_EQ(shown.output,
            "txtServerName=E2E_Server\ntxtMap=SB_USA2.unr\ntxtMode=Sabotage\n"
            "txtNumberOfPlayers=06\ntxtPointsLimit=20\ntxtTimeLimit=0\ntxtPort=7777\n"
            "txtAccountName=op\ntxtAccountPassword=\ntxtServerPassword=\n"
            "txtAdministratorPassword=\nchkFriendlyFire=1\nchkSavePasswords=0\nPathOfZarn=" +
                game.folder() + "\n");
}

}  // namespace
}  // namespace hostdeck
