#include "cli/hostdeck_cli.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/game_folder.h"
#include "core/message.h"
#include "platform/files.h"
#include "platform/own_folder.h"
#include "test_support/sample_game.h"
#include "test_support/store_that_cannot_save.h"
#include "testing/settings_sandbox.h"

namespace hostdeck {
namespace {

struct Result {
  int exit_code;
  std::string out;
  std::string err;
};

class HostdeckCliTest : public ::testing::Test {
 protected:
  Result Run(std::vector<std::string> args) { return RunWith(*store_, args); }
  Result RunWith(platform::SettingsStore& store, std::vector<std::string> args,
                 std::chrono::milliseconds wait = kSettingsWait) {
    std::ostringstream out, err;
    int code = RunHostdeckCli(args, store, platform::OwnFolder(), out, err, wait);
    return {code, out.str(), err.str()};
  }

  std::string Stored(std::string_view key) const {
    return store_->Read(kApplication, kSection, key, "<absent>");
  }

  testing_support::SettingsSandbox sandbox_{"LaunchdeckByKestrin"};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
  SampleGame game_;
};

TEST_F(HostdeckCliTest, ShowPrintsEverySettingInTableOrderThenTheGameFolder) {
  Result shown = Run({"show"});
  EXPECT_EQ(shown.exit_code, kCliOk);
  EXPECT_EQ(shown.out,
            "txtServerName=ZARNServer\ntxtMap=\ntxtMode=Deathmatch\ntxtNumberOfPlayers=6\n"
            "txtPointsLimit=20\ntxtTimeLimit=\ntxtPort=7777\ntxtAccountName=\n"
            "txtAccountPassword=\ntxtServerPassword=\ntxtAdministratorPassword=\n"
            "chkFriendlyFire=0\nchkSavePasswords=0\nPathOfZarn=" +
                DefaultGameFolder() + "\n");
  EXPECT_EQ(Stored("txtServerName"), "<absent>");  // showing saves nothing
}

TEST_F(HostdeckCliTest, SetTypesIntoTheFieldsAndSavesAsExitDoes) {
  Result set = Run({"set", "txtServerName=My Server", "txtPort=27015", "chkFriendlyFire=1",
                    "txtServerPassword=club", "chkSavePasswords=1"});
  EXPECT_EQ(set.exit_code, kCliOk) << set.err;
  EXPECT_EQ(Stored("txtServerName"), "My Server");  // tidied only by a launch
  EXPECT_EQ(Stored("txtPort"), "27015");
  EXPECT_EQ(Stored("chkFriendlyFire"), "1");
  EXPECT_EQ(Stored("txtServerPassword"), "club");
  std::string out = Run({"show"}).out;
  EXPECT_NE(out.find("\ntxtServerPassword=***\n"), std::string::npos) << out;
  out = Run({"show", "--show-passwords"}).out;
  EXPECT_NE(out.find("\ntxtServerPassword=club\n"), std::string::npos) << out;
}

TEST_F(HostdeckCliTest, WrongUsageExitsTwoWithAUsageAndSavesNothing) {
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {{}, "no command given"},
           {{"start"}, "unknown command"},
           {{"show", "extra"}, "wrong number of arguments"},
           {{"set"}, "nothing to set"},
           {{"set", "txtPort"}, "expected KEY=VALUE"},
           {{"set", "txtColour=red"}, "no field is named txtColour"},
           {{"set", "txtMap=DM_Amos.unr"}, "hostdeck-cli map"},
           {{"set", "txtMode=Sabotage"}, "hostdeck-cli mode"},
           {{"set", "txtPort=123456"}, "txtPort takes at most 5 characters"},
           {{"set", "chkFriendlyFire=yes"}, "1 or 0"},
           {{"set", "txtPort=1", "txtMap=x"}, "hostdeck-cli map"},
           {{"map"}, "wrong number of arguments"},
           {{"map", "--official", "XX"}, "unknown option --official"},
           {{"mode", "--fast"}, "unknown option --fast"},
           {{"clear", "--no"}, "unknown option --no"},
           {{"launch", "--now"}, "unknown option --now"},
       }) {
    Result result = Run(c.args);
    std::string shown = c.args.empty() ? "" : c.args[0];
    EXPECT_EQ(result.exit_code, kCliUsage) << shown;
    EXPECT_TRUE(result.err.starts_with("error: ")) << result.err;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("usage: hostdeck-cli"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Stored("txtPort"), "<absent>");
  EXPECT_FALSE(platform::FileExist(game_.server().string() + ".args"));
}

TEST_F(HostdeckCliTest, HelpWorksEverywhere) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--help"},
                                             {"show", "--help"},
                                             {"set", "--help"},
                                             {"map", "XX", "--help"},
                                             {"mode", "--help"},
                                             {"path", "--help"},
                                             {"clear", "--help"},
                                             {"maps", "--help"},
                                             {"modes", "--help"},
                                             {"launch", "--dry-run", "--help"},
                                             {"nonsense", "--help"}}) {
    Result result = Run(args);
    EXPECT_EQ(result.exit_code, kCliOk) << args[0];
    EXPECT_TRUE(result.out.starts_with("usage: hostdeck-cli ")) << result.out;
    EXPECT_EQ(result.err, "");
  }
  EXPECT_NE(Run({"--help"}).out.find("txtAdministratorPassword"), std::string::npos);
  EXPECT_TRUE(Run({"launch", "--help"}).out.starts_with("usage: hostdeck-cli launch "));
  std::string usage = Run({"--help"}).out;
  for (std::string_view code : {"\n  0  done", "\n  1  refused or failed", "\n  2  wrong usage",
                                "\n  3  launch only: the server started"}) {
    EXPECT_NE(usage.find(code), std::string::npos) << code;
  }
}

TEST_F(HostdeckCliTest, SettingsThatCannotBeReadMakeEveryCommandExitOneAndAreKept) {
  game_.StoreAsGameFolder(*store_);
  sandbox_.MakeUnreadable();
  std::string reason = store_->CheckReadable(kApplication).message();
  ASSERT_FALSE(reason.empty());
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"show"},
           {"set", "txtPort=1"},
           {"map", "Winslow Bank"},
           {"mode", "Sabotage"},
           {"path", game_.folder()},
           {"clear", "--yes"},
           {"maps"},
           {"modes"},
           {"launch", "txtAccountName=op", "txtAccountPassword=pw", "--dry-run"},
           {"launch", "txtAccountName=op", "txtAccountPassword=pw"},
       }) {
    Result result = Run(args);
    EXPECT_EQ(result.exit_code, kCliRefused) << args[0];
    EXPECT_EQ(result.out, "") << args[0];
    EXPECT_EQ(result.err, "error: " + SettingsUnreadable(reason).text + "\n") << args[0];
  }
  EXPECT_EQ(store_->CheckReadable(kApplication).message(), reason);
  EXPECT_FALSE(platform::FileExist(game_.server().string() + ".args"));
}

TEST_F(HostdeckCliTest, AValueTheStoreCannotHoldSavesAndStartsNothing) {
  game_.StoreAsGameFolder(*store_);
  ASSERT_EQ(Run({"map", "FBI"}).exit_code, kCliOk);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"set", "txtServerName=a\nb", "txtPort=2000"},
           {"set", "txtPort=2000", "txtServerName=a\nb"},
           {"set", "txtPort=2000", std::string("txtAccountName=a\0b", 18)},
           {"launch", "txtPort=2000", "txtAccountName=o\rp", "txtAccountPassword=pw"},
       }) {
    Result result = Run(args);
    EXPECT_EQ(result.exit_code, kCliRefused) << args[0];
    EXPECT_TRUE(result.err.starts_with("error: Saving the settings failed.\nThe value of "))
        << result.err;
    EXPECT_EQ(result.out, "");
  }
  EXPECT_EQ(Stored("txtPort"), "7777");
  EXPECT_FALSE(platform::FileExist(game_.server().string() + ".args"));
}

TEST_F(HostdeckCliTest, LaunchExitsWithOneMeaningPerCode) {
  game_.StoreAsGameFolder(*store_);
  ASSERT_EQ(Run({"map", "FBI"}).exit_code, kCliOk);
  StoreThatCannotSave cannot_save(*store_);
  struct Case {
    std::string name;
    std::function<void()> prepare;
    platform::SettingsStore& store;
    int exit_code;
    std::string err_start;
    bool started;
    std::string typed_account, stored_account;
  };
  // The failing starts come last: they take the stand-in server away.
  for (const Case& c : std::vector<Case>{
           {"a check refuses", [] {}, *store_, kCliRefused, "warning: Please enter a valid Vantor",
            false, "op", ""},
           {"started, the save fails", [] {}, cannot_save, kCliStartedNotSaved,
            "error: Saving the settings failed.\nCannot write settings.ini: No space", true, "op",
            ""},
           {"started and saved", [] {}, *store_, kCliOk, "", true, "op", "op"},
           {"saved, the start fails", [&] { game_.Remove("\\System\\ucc.exe"); }, *store_,
            kCliSavedNotStarted, "error: Starting the dedicated server failed.", false, "other",
            "other"},
           {"neither saved nor started", [] {}, cannot_save, kCliRefused,
            "error: Saving the settings failed.", false, "third", "other"},
       }) {
    std::filesystem::path record = game_.server().string() + ".args";
    std::filesystem::remove(record);
    c.prepare();
    std::vector<std::string> args = {"launch", "txtAccountName=" + c.typed_account};
    if (c.name != "a check refuses") args.push_back("txtAccountPassword=pw");
    Result result = RunWith(c.store, args);
    EXPECT_EQ(result.exit_code, c.exit_code) << c.name << ": " << result.err;
    EXPECT_TRUE(result.err.starts_with(c.err_start)) << c.name << ": " << result.err;
    EXPECT_EQ(result.out.empty(), !c.started) << c.name;
    if (c.started) {
      EXPECT_NE(testing_support::RecordedArgs(game_.server()), "(not started)") << c.name;
    } else {
      EXPECT_FALSE(std::filesystem::exists(record)) << c.name;
    }
    EXPECT_EQ(Stored("txtAccountName"), c.stored_account) << c.name;
  }
}

TEST_F(HostdeckCliTest, ACommandThatChangesTheSettingsWaitsForAnotherOneThenGivesUp) {
  std::unique_ptr<platform::SettingsStore> other = platform::SettingsStore::ForCurrentUser();
  platform::Status status;
  auto held = other->LockForUpdate(kApplication, std::chrono::milliseconds(0), &status);
  ASSERT_NE(held, nullptr) << status.message();
  Result waited = RunWith(*store_, {"set", "txtPort=1"}, std::chrono::milliseconds(100));
  EXPECT_EQ(waited.exit_code, kCliRefused);
  EXPECT_TRUE(
      waited.err.starts_with("error: The settings of LaunchdeckByKestrin are in use by "
                             "another program, which did not finish within 100 ms."))
      << waited.err;
  EXPECT_EQ(Stored("txtPort"), "<absent>");
  EXPECT_EQ(RunWith(*store_, {"show"}, std::chrono::milliseconds(0)).exit_code, kCliOk);
  held.reset();
  EXPECT_EQ(RunWith(*store_, {"set", "txtPort=1"}, std::chrono::milliseconds(0)).exit_code, kCliOk);
  EXPECT_EQ(Stored("txtPort"), "1");
}

TEST_F(HostdeckCliTest, DialogsAreAnsweredFromTheCommandLine) {
  struct Case {
    std::vector<std::string> args;
    int exit_code;
    std::string err;
    std::string key, stored;
  };
  std::string sep = platform::NativeRelativePath("\\");
  for (const Case& c : std::vector<Case>{
           {{"map", "Winslow Bank"},
            kCliRefused,
            "warning: Please set a valid path to ZARN game first.\n",
            "txtMap",
            "<absent>"},
           {{"path", game_.folder() + sep + "missing"},
            kCliRefused,
            "warning: Please enter a valid path to ZARN game and try again.\n",
            "PathOfZarn",
            "<absent>"},
           {{"path", game_.folder() + sep}, kCliOk, "", "PathOfZarn", game_.folder()},
           {{"map", "Winslow Bank"}, kCliOk, "", "txtMap", "DM_Banque.unr"},
           {{"map", "Atlantis"},
            kCliRefused,
            "warning: Please select a map from the list and try again.\n",
            "txtMap",
            "DM_Banque.unr"},
           {{"map", "--unofficial", "DM-Arena.unr"}, kCliOk, "", "txtMap", "DM-Arena.unr"},
           {{"mode", "Team Power Up"}, kCliOk, "", "txtMode", "Team Power Up"},
           {{"mode", "team power up"},
            kCliRefused,
            "warning: Please choose a game mode from the list.\n",
            "txtMode",
            "Team Power Up"},
           {{"clear"},
            kCliRefused,
            "error: Are you sure you want to restore all server settings to default? Answer Yes "
            "with --yes.\n",
            "txtMode",
            "Team Power Up"},
           {{"clear", "--yes"}, kCliOk, "", "txtMode", "Deathmatch"},
       }) {
    Result result = Run(c.args);
    EXPECT_EQ(result.exit_code, c.exit_code) << c.args[0] << " " << c.args.back();
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(Stored(c.key), c.stored) << c.args[0] << " " << c.args.back();
  }
}

TEST_F(HostdeckCliTest, MapsAndModesListWhatTheDialogsList) {
  EXPECT_EQ(Run({"maps"}).exit_code, kCliRefused);  // no valid game folder yet
  game_.StoreAsGameFolder(*store_);
  Result maps = Run({"maps"});
  EXPECT_EQ(maps.exit_code, kCliOk);
  EXPECT_TRUE(maps.out.starts_with("Official maps:\n  AFM-10\n  Asylum\n")) << maps.out;
  EXPECT_TRUE(maps.out.ends_with("  XX\nUnofficial maps:\n  CTF_Bridge.unr\n  DM-Arena.unr\n"))
      << maps.out;
  game_.Remove("\\Maps\\dm_spads.unr");
  maps = Run({"maps"});
  EXPECT_EQ(maps.out.find("(ZARN 1.4)"), std::string::npos);
  EXPECT_TRUE(maps.out.ends_with("Unofficial maps: not offered without the patch maps\n"));

  Result modes = Run({"modes"});
  EXPECT_EQ(modes.exit_code, kCliOk);
  EXPECT_TRUE(modes.out.starts_with("Capture the Flag\nCapture the Flag (bazooka only)\n"));
  EXPECT_TRUE(modes.out.ends_with("The Hunt\nThe Hunt (grenades only)\n"));
}

TEST_F(HostdeckCliTest, LaunchChecksSavesStartsAndPrintsTheCommandLineWithPasswordsHidden) {
  game_.StoreAsGameFolder(*store_);
  ASSERT_EQ(Run({"map", "FBI"}).exit_code, kCliOk);
  std::string prefix = "\"" + game_.folder() + platform::NativeRelativePath("\\system\\ucc.exe") +
                       "\" server DM_Amos.unr?GameIdx=0?MapName=FBI?NP=8?FF=0?FR=20?TI=0"
                       "?Game=ZARNMP.ZARNMPGameInfo?AdminPassword=";

  Result refused = Run({"launch", "txtNumberOfPlayers=21", "txtAccountName=op"});
  EXPECT_EQ(refused.exit_code, kCliRefused);
  EXPECT_EQ(refused.err, "warning: Please enter a valid number of players (from 1 to 20).\n");
  EXPECT_EQ(refused.out, "");
  EXPECT_EQ(Stored("txtAccountName"), "");

  Result dry = Run({"launch", "txtNumberOfPlayers=8", "txtAccountName=op",
                    "txtAccountPassword=secret", "--dry-run"});
  EXPECT_EQ(dry.exit_code, kCliOk) << dry.err;
  EXPECT_EQ(dry.out, prefix +
                         "***?SN=ZARNServer?Mutator=?GS=1?ServerName=ZARNServer?GSAlias=op"
                         "?GSPassword=***?IsPrivate=N -port=7777\n");
  EXPECT_EQ(Stored("txtAccountName"), "");
  EXPECT_FALSE(platform::FileExist(game_.server().string() + ".args"));

  Result launched = Run({"launch", "txtNumberOfPlayers=8", "txtAccountName=op",
                         "txtAccountPassword=secret", "--show-passwords"});
  EXPECT_EQ(launched.exit_code, kCliOk) << launched.err;
  EXPECT_EQ(launched.out, prefix +
                              "kw3pqzrvmtb?SN=ZARNServer?Mutator=?GS=1?ServerName=ZARNServer"
                              "?GSAlias=op?GSPassword=secret?IsPrivate=N -port=7777\n");
  EXPECT_EQ(Stored("txtAccountName"), "op");
  EXPECT_EQ(testing_support::RecordedArgs(game_.server()),
            "server\nDM_Amos.unr?GameIdx=0?MapName=FBI?NP=8?FF=0?FR=20?TI=0"
            "?Game=ZARNMP.ZARNMPGameInfo?AdminPassword=kw3pqzrvmtb?SN=ZARNServer?Mutator=?GS=1"
            "?ServerName=ZARNServer?GSAlias=op?GSPassword=secret?IsPrivate=N\n-port=7777\n");
}

TEST_F(HostdeckCliTest, LaunchTidiesTheTitleAndRefusesMapFileNamesTheUrlCannotCarry) {
  game_.StoreAsGameFolder(*store_);
  struct Case {
    std::string title;
    std::string map;
    std::string shown_title;  // empty: the map file is refused
  };
  for (const Case& c : std::vector<Case>{
           {"a b\tc", "DM-x.unr", "a_b_c"},
           {"say \"hi\"?x=1", "DM_x-1.unr", "say__hi__x_1"},
           {"\x01\x7f\n", "DM_a=b;&'(1).unr", "___"},
           {"ok", "My Map.unr", ""},
           {"ok", "DM_My\tMap.unr", ""},
           {"ok", "DM_\"Map\".unr", ""},
           {"ok", "DM_x?Mutator=y.unr", ""},
           {"ok", "DM-x -port=1.unr", ""},
           {"ok", "-DM_x.unr", ""},
       }) {
    // As an earlier run chose it: Windows file names cannot hold some of these.
    ASSERT_TRUE(store_->Write(kApplication, kSection, "txtMap", c.map).ok());
    if (!c.shown_title.empty()) game_.Add("\\Maps\\" + c.map);
    Result launch = Run({"launch", "txtServerName=" + c.title, "txtAccountName=op",
                         "txtAccountPassword=pw", "--dry-run"});
    if (c.shown_title.empty()) {
      EXPECT_EQ(launch.exit_code, kCliRefused) << c.map;
      EXPECT_EQ(launch.err, "warning: " + kUnsafeMapFile.text + "\n") << c.map;
      EXPECT_EQ(launch.out, "");
      continue;
    }
    EXPECT_EQ(launch.exit_code, kCliOk) << c.map << ": " << launch.err;
    EXPECT_NE(launch.out.find("\" server " + c.map + "?GameIdx=0?"), std::string::npos)
        << launch.out;
    EXPECT_NE(launch.out.find("?SN=" + c.shown_title + "?Mutator="), std::string::npos)
        << launch.out;
    EXPECT_NE(launch.out.find("?ServerName=" + c.shown_title + "?GSAlias="), std::string::npos)
        << launch.out;
  }
  EXPECT_EQ(Stored("txtServerName"), "<absent>");  // a dry run saves nothing
  EXPECT_FALSE(platform::FileExist(game_.server().string() + ".args"));
}

}  // namespace
}  // namespace hostdeck
