#include "core/main_window.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/game_folder.h"
#include "platform/files.h"
#include "platform/own_folder.h"
#include "test_support/recording_ui.h"
#include "test_support/sample_game.h"
#include "test_support/store_that_cannot_save.h"
#include "testing/settings_sandbox.h"

namespace hostdeck {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    game_.StoreAsGameFolder(*store_);
    window_.Form_Load();
  }

  // What an operator fills in on a first run before the launch can pass.
  static void FillIn(MainWindow& window) {
    ServerSettings& c = window.controls();
    c.txtMap = "DM_Amos.unr";
    c.txtAccountName = "operator";
    c.txtAccountPassword = "secret";
  }
  void FillIn() { FillIn(window_); }

  std::string Stored(std::string_view key) const {
    return store_->Read(kApplication, kSection, key, "<absent>");
  }

  // The URL up to its first blank, as the server receives it, then the port option.
  std::string ReceivedFor(const std::string& url) const {
    return "server\n" + url.substr(0, url.find(' ')) + "\n" + url.substr(url.find(' ') + 1) + "\n";
  }

  testing_support::SettingsSandbox sandbox_{"LaunchdeckByKestrin"};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
  SampleGame game_;
  RecordingUi ui_;
  MainWindow window_{*store_, platform::OwnFolder(), ui_};
};

TEST_F(MainWindowTest, AFirstRunShowsTheDefaults) {
  const ServerSettings& c = window_.controls();
  EXPECT_EQ(c, DefaultSettings());
  EXPECT_EQ(c.txtServerName, "ZARNServer");
  EXPECT_EQ(c.txtMode, "Deathmatch");
  EXPECT_EQ(c.txtNumberOfPlayers, "6");
  EXPECT_EQ(c.txtPointsLimit, "20");
  EXPECT_EQ(c.txtPort, "7777");
  EXPECT_EQ(c.txtMap + c.txtTimeLimit + c.txtAccountName + c.txtAccountPassword +
                c.txtServerPassword + c.txtAdministratorPassword,
            "");
  EXPECT_FALSE(c.chkFriendlyFire || c.chkSavePasswords);
}

TEST_F(MainWindowTest, PasswordsAreStoredOnlyWhenAskedAndWipedOtherwise) {
  for (bool save_passwords : {true, false}) {
    ServerSettings& c = window_.controls();
    c.txtAccountPassword = "secret";
    c.txtServerPassword = "club";
    c.txtAdministratorPassword = "boss";
    c.chkSavePasswords = save_passwords;
    c.chkFriendlyFire = true;
    window_.cmdExit_Click();
    EXPECT_EQ(Stored("txtAccountPassword"), save_passwords ? "secret" : "");
    EXPECT_EQ(Stored("txtServerPassword"), save_passwords ? "club" : "");
    EXPECT_EQ(Stored("txtAdministratorPassword"), save_passwords ? "boss" : "");
    EXPECT_EQ(Stored("chkSavePasswords"), save_passwords ? "1" : "0");

    RecordingUi ui;
    MainWindow next_run(*store_, platform::OwnFolder(), ui);
    next_run.Form_Load();
    EXPECT_EQ(next_run.controls().txtServerPassword, save_passwords ? "club" : "");
    EXPECT_EQ(next_run.controls().chkSavePasswords, save_passwords);
    EXPECT_TRUE(next_run.controls().chkFriendlyFire);
  }
}

TEST_F(MainWindowTest, ACheckBoxLoadsTickedOnlyFromExactlyOne) {
  ASSERT_TRUE(store_->Write(kApplication, kSection, "chkFriendlyFire", "2").ok());
  ASSERT_TRUE(store_->Write(kApplication, kSection, "txtPort", "123456").ok());
  window_.Form_Load();
  EXPECT_FALSE(window_.controls().chkFriendlyFire);
  EXPECT_EQ(window_.controls().txtPort, "123456");  // the launch judges it, not the load
  window_.Form_QueryUnload();
  EXPECT_EQ(Stored("chkFriendlyFire"), "0");
}

TEST_F(MainWindowTest, ClearAllAsksAndResetsOnlyOnYesWithoutTouchingTheStore) {
  FillIn();
  window_.cmdExit_Click();
  ServerSettings filled = window_.controls();

  window_.lblClear_Click();
  EXPECT_EQ(ui_.questions, std::vector<std::string>{std::string(kClearAllQuestion)});
  EXPECT_EQ(window_.controls(), filled);

  ui_.answer_yes = true;
  window_.lblClear_Click();
  EXPECT_EQ(window_.controls(), DefaultSettings());
  EXPECT_EQ(Stored("txtMap"), "DM_Amos.unr");
  window_.cmdExit_Click();
  EXPECT_EQ(Stored("txtMap"), "");
  EXPECT_EQ(Stored("txtAccountName"), "");
}

TEST_F(MainWindowTest, ALaunchSavesAndStartsTheServerWithExactlyTheUrl) {
  FillIn();
  std::optional<PreparedLaunch> launch = window_.cmdLaunch_Click().started;
  ASSERT_TRUE(launch.has_value());
  EXPECT_TRUE(ui_.messages.empty());
  std::string url =
      "DM_Amos.unr?GameIdx=0?MapName=FBI?NP=6?FF=0?FR=20?TI=0?Game=ZARNMP.ZARNMPGameInfo"
      "?AdminPassword=kw3pqzrvmtb?SN=ZARNServer?Mutator=?GS=1?ServerName=ZARNServer"
      "?GSAlias=operator?GSPassword=secret?IsPrivate=N -port=7777";
  EXPECT_EQ(ServerUrl(launch->values), url);
  EXPECT_EQ(launch->game_folder, game_.folder());
  EXPECT_EQ(testing_support::RecordedArgs(game_.server()), ReceivedFor(url));
  EXPECT_EQ(Stored("txtMap"), "DM_Amos.unr");
  EXPECT_EQ(Stored("txtAccountName"), "operator");
}

TEST_F(MainWindowTest, TheLaunchValuesCarryWhatTheBoxesHold) {
  game_.Add("\\Maps\\x.unr");
  struct Case {
    std::string name;
    std::function<void(ServerSettings&)> type;
    std::vector<std::string> url_parts;
    std::function<void(const ServerSettings&)> shown = [](const ServerSettings&) {};
  };
  for (const Case& c : std::vector<Case>{
           {"players as typed",
            [](ServerSettings& s) { s.txtNumberOfPlayers = "06"; },
            {"?NP=06?"}},
           {"empty time", [](ServerSettings& s) { s.txtTimeLimit = ""; }, {"?TI=0?"}},
           {"time 00",
            [](ServerSettings& s) { s.txtTimeLimit = "00"; },
            {"?TI=0?"},
            [](const ServerSettings& s) { EXPECT_EQ(s.txtTimeLimit, "0"); }},
           {"blanks in the title",
            [](ServerSettings& s) { s.txtServerName = "a b?c=d"; },
            {"?SN=a_b_c_d?Mutator=", "?ServerName=a_b_c_d?GSAlias="},
            [](const ServerSettings& s) { EXPECT_EQ(s.txtServerName, "a_b_c_d"); }},
           {"title of three blanks",
            [](ServerSettings& s) { s.txtServerName = "   "; },
            {"?SN=___?"}},
           {"tab, quotes and control characters in the title",
            [](ServerSettings& s) { s.txtServerName = "\"a\tb\x01\n\x7f\""; },
            {"?SN=_a_b____?Mutator=", "?ServerName=_a_b____?GSAlias="},
            [](const ServerSettings& s) { EXPECT_EQ(s.txtServerName, "_a_b____"); }},
           {"own administrator password",
            [](ServerSettings& s) { s.txtAdministratorPassword = "boss"; },
            {"?AdminPassword=boss?SN="}},
           {"server password twice",
            [](ServerSettings& s) { s.txtServerPassword = "club"; },
            {"?AdminPassword=kw3pqzrvmtb?Password=club?SN=",
             "?IsPrivate=Y?GamePassword=club -port=7777"}},
           {"no mutator",
            [](ServerSettings& s) { s.txtMode = "Team Deathmatch"; },
            {"?GameIdx=1?", "?Mutator=?GS=1?ServerName="}},
           {"friendly fire", [](ServerSettings& s) { s.chkFriendlyFire = true; }, {"?FF=1?"}},
           {"sabotage docks",
            [](ServerSettings& s) {
              s.txtMode = "Sabotage";
              s.txtMap = "DM_USA2_demo.unr";
            },
            {"SB_USA2.unr?GameIdx=4?MapName=Docks?"},
            [](const ServerSettings& s) { EXPECT_EQ(s.txtMap, "SB_USA2.unr"); }},
           {"deathmatch docks",
            [](ServerSettings& s) { s.txtMap = "SB_USA2.unr"; },
            {"DM_USA2_demo.unr?GameIdx=0?MapName=Docks?"},
            [](const ServerSettings& s) { EXPECT_EQ(s.txtMap, "DM_USA2_demo.unr"); }},
           {"official map in another case",
            [](ServerSettings& s) { s.txtMap = "dm_amos.unr"; },
            {"dm_amos.unr?GameIdx=0?MapName=amos_*?"}},
           {"unofficial map with a short name",
            [](ServerSettings& s) { s.txtMap = "x.unr"; },
            {"x.unr?GameIdx=0?MapName=_*?"}},
       }) {
    RecordingUi ui;
    MainWindow window(*store_, platform::OwnFolder(), ui);
    window.Form_Load();
    FillIn(window);
    c.type(window.controls());
    std::optional<PreparedLaunch> launch = window.PrepareLaunch();
    ASSERT_TRUE(launch.has_value()) << c.name << ": " << ui.messages.front().text;
    std::string url = ServerUrl(launch->values);
    for (const std::string& part : c.url_parts) {
      EXPECT_NE(url.find(part), std::string::npos) << c.name << ": " << url;
    }
    c.shown(window.controls());
  }
  EXPECT_EQ(Stored("txtMap"), "<absent>");  // checks alone save nothing
}

TEST_F(MainWindowTest, OnlyTheFirstFailingStepReportsAndNothingIsSaved) {
  struct Case {
    std::string name;
    std::function<void(ServerSettings&)> type;
    Message expected;
  };
  const SampleGame* game = nullptr;  // each case's own
  auto no_file = [&game](const char* relative) {
    return [&game, relative](ServerSettings&) { game->Remove(relative); };
  };
  for (const Case& c : std::vector<Case>{
           {"game missing", no_file("\\System\\ZARN.exe"), kInvalidGameFolder},
           {"patch missing", no_file("\\Server\\ucc.exe"), kPatchMissing},
           {"players", [](ServerSettings& s) { s.txtNumberOfPlayers = "0"; }, kInvalidPlayers},
           {"players before points",
            [](ServerSettings& s) {
              s.txtNumberOfPlayers = "21";
              s.txtPointsLimit = "9";
            },
            kInvalidPlayers},
           {"points", [](ServerSettings& s) { s.txtPointsLimit = "501"; }, kInvalidPoints},
           {"port before title",
            [](ServerSettings& s) {
              s.txtPort = "65536";
              s.txtServerName = "";
            },
            kInvalidPort},
           {"title", [](ServerSettings& s) { s.txtServerName = ""; }, kInvalidTitle},
           {"time", [](ServerSettings& s) { s.txtTimeLimit = "61"; }, kInvalidTime},
           {"account name", [](ServerSettings& s) { s.txtAccountName = ""; }, kInvalidAccountName},
           {"account name with a blank", [](ServerSettings& s) { s.txtAccountName = "a b"; },
            kUnsafeAccountName},
           {"account name with a quote", [](ServerSettings& s) { s.txtAccountName = "a\"b"; },
            kUnsafeAccountName},
           {"account password", [](ServerSettings& s) { s.txtAccountPassword = ""; },
            kInvalidAccountPassword},
           {"account password injecting",
            [](ServerSettings& s) { s.txtAccountPassword = "x?Mutator=Evil"; },
            kUnsafeAccountPassword},
           {"server password with a blank",
            [](ServerSettings& s) { s.txtServerPassword = "club house"; }, kUnsafeServerPassword},
           {"unsafe server password before the map",
            [](ServerSettings& s) {
              s.txtServerPassword = "a\tb";
              s.txtMap = "";
            },
            kUnsafeServerPassword},
           {"administrator password turning public",
            [](ServerSettings& s) { s.txtAdministratorPassword = "x?IsPrivate=N"; },
            kUnsafeAdministratorPassword},
           {"no map", [](ServerSettings& s) { s.txtMap = ""; }, kNoMap},
           {"unsafe server password before the map file name",
            [](ServerSettings& s) {
              s.txtServerPassword = "a b";
              s.txtMap = "-x.unr";
            },
            kUnsafeServerPassword},
           {"map file name before the file",
            [](ServerSettings& s) { s.txtMap = "My Gone Map.unr"; }, kUnsafeMapFile},
           {"map file missing", [](ServerSettings& s) { s.txtMap = "DM_Gone.unr"; },
            kMapFileMissing},
           {"mode refused by the map", [](ServerSettings& s) { s.txtMode = "Capture the Flag"; },
            kVarovani},
           {"mode not in the catalogue", [](ServerSettings& s) { s.txtMode = "deathmatch"; },
            kInvalidGameType},
           {"unknown mode only after the map checks",
            [](ServerSettings& s) {
              s.txtMode = "My Mode";
              s.txtMap = "";
            },
            kNoMap},
       }) {
    SampleGame fresh_game;
    game = &fresh_game;
    fresh_game.StoreAsGameFolder(*store_);
    RecordingUi ui;
    MainWindow window(*store_, platform::OwnFolder(), ui);
    window.Form_Load();
    FillIn(window);
    c.type(window.controls());
    EXPECT_FALSE(window.cmdLaunch_Click().started.has_value()) << c.name;
    EXPECT_EQ(ui.messages, std::vector<Message>{c.expected}) << c.name;
    EXPECT_EQ(Stored("txtMap"), "<absent>") << c.name;
    EXPECT_FALSE(platform::FileExist(fresh_game.server().string() + ".args")) << c.name;
  }
}

TEST_F(MainWindowTest, AMapFileNameTheUrlCannotCarryIsRefusedBeforeAnythingIsSaved) {
  struct Case {
    std::string map;
    bool accepted;
  };
  for (const Case& c : std::vector<Case>{
           {"My Map.unr", false},
           {"DM_My\tMap.unr", false},
           {"DM_\"Map\".unr", false},
           {"DM_x?Mutator=y.unr", false},
           {"DM-x -port=1.unr", false},
           {"-DM_x.unr", false},
           {"-port=1.unr", false},
           {"DM-x.unr", true},
           {"DM_x-1.unr", true},
           {"DM_a=b;&'$(1)[2]%x%.unr", true},
       }) {
    SampleGame game;
    game.StoreAsGameFolder(*store_);
    game.Add("\\Maps\\" + c.map);
    RecordingUi ui;
    MainWindow window(*store_, platform::OwnFolder(), ui);
    window.Form_Load();
    FillIn(window);
    window.controls().txtMap = c.map;
    std::optional<PreparedLaunch> launch = window.cmdLaunch_Click().started;
    if (!c.accepted) {
      EXPECT_FALSE(launch.has_value()) << c.map;
      EXPECT_EQ(ui.messages, std::vector<Message>{kUnsafeMapFile}) << c.map;
      EXPECT_EQ(Stored("txtMap"), "<absent>") << c.map;
      EXPECT_FALSE(platform::FileExist(game.server().string() + ".args")) << c.map;
      continue;
    }
    ASSERT_TRUE(launch.has_value()) << c.map << ": " << ui.messages.front().text;
    std::string url = ServerUrl(launch->values);
    EXPECT_TRUE(url.starts_with(c.map + "?GameIdx=0?")) << url;
    EXPECT_EQ(testing_support::RecordedArgs(game.server()), ReceivedFor(url)) << c.map;
  }
}

TEST_F(MainWindowTest, TidiedBoxesSurviveALaterRefusalAndAreSavedOnExit) {
  FillIn();
  ServerSettings& c = window_.controls();
  c.txtMode = "Sabotage";
  c.txtMap = "DM_USA2_demo.unr";
  c.txtServerName = "my server";
  c.txtTimeLimit = "00";
  c.txtAccountName = "";
  EXPECT_FALSE(window_.cmdLaunch_Click().started.has_value());
  EXPECT_EQ(ui_.messages, std::vector<Message>{kInvalidAccountName});
  EXPECT_EQ(c.txtMap, "SB_USA2.unr");
  EXPECT_EQ(c.txtServerName, "my_server");
  EXPECT_EQ(c.txtTimeLimit, "0");
  EXPECT_EQ(Stored("txtMap"), "<absent>");
  window_.cmdExit_Click();
  EXPECT_EQ(Stored("txtMap"), "SB_USA2.unr");
  EXPECT_EQ(Stored("txtServerName"), "my_server");
}

TEST_F(MainWindowTest, AFailedServerStartIsReportedWithTheSettingsSaved) {
  FillIn();
  game_.Remove("\\System\\ucc.exe");
  LaunchOutcome outcome = window_.cmdLaunch_Click();
  EXPECT_TRUE(outcome.checked);
  EXPECT_TRUE(outcome.saved.ok());
  EXPECT_FALSE(outcome.started.has_value());
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_EQ(ui_.messages[0].icon, Icon::kCritical);
  EXPECT_TRUE(ui_.messages[0].text.starts_with("Starting the dedicated server failed.\n"))
      << ui_.messages[0].text;
  EXPECT_EQ(Stored("txtMap"), "DM_Amos.unr");
}

TEST_F(MainWindowTest, ASaveTheStoreRefusesIsReportedAndWritesNoKey) {
  window_.controls().txtServerName = "New title";
  window_.controls().txtAccountName = "two\nlines";
  window_.cmdExit_Click();
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_TRUE(ui_.messages[0].text.starts_with("Saving the settings failed.\n"));
  EXPECT_EQ(Stored("txtServerName"), "<absent>");
}

TEST_F(MainWindowTest, AStartedServerWhoseSaveFailsIsReportedAsStarted) {
  StoreThatCannotSave store(*store_);
  MainWindow window(store, platform::OwnFolder(), ui_);
  window.Form_Load();
  FillIn(window);
  LaunchOutcome outcome = window.cmdLaunch_Click();
  ASSERT_TRUE(outcome.started.has_value());
  EXPECT_FALSE(outcome.saved.ok());
  EXPECT_NE(testing_support::RecordedArgs(game_.server()), "(not started)");
  ASSERT_EQ(ui_.messages.size(), 1u);
  EXPECT_TRUE(ui_.messages[0].text.starts_with("Saving the settings failed.\n"));
  EXPECT_EQ(Stored("txtMap"), "<absent>");
}

TEST_F(MainWindowTest, TheMapDialogNeedsAValidGameFolderTheModeDialogNothing) {
  ui_.on_map_dialog = [](MapDialog& dialog) {
    dialog.lstOfficial().Select("Winslow Bank");
    dialog.cmdOk_Click();
  };
  ui_.on_mode_dialog = [](ModeDialog& dialog) {
    dialog.filModes().Select("Team Power Up");
    dialog.cmdOk_Click();
  };
  game_.Remove("\\System\\ZARN.exe");
  window_.cmdBrowseMaps_Click();
  EXPECT_EQ(ui_.messages, std::vector<Message>{kInvalidGameFolder});
  EXPECT_EQ(ui_.dialogs_shown, 0);
  window_.cmdMode_Click();
  EXPECT_EQ(window_.controls().txtMode, "Team Power Up");

  game_.Add("\\System\\ZARN.exe");
  window_.cmdBrowseMaps_Click();
  EXPECT_EQ(window_.controls().txtMap, "DM_Banque.unr");
}

TEST_F(MainWindowTest, CancelledDialogsChangeNothing) {
  ui_.on_map_dialog = [](MapDialog& dialog) { dialog.lstOfficial().Select("XX"); };
  ui_.on_mode_dialog = [](ModeDialog& dialog) { dialog.filModes().Select("Sabotage"); };
  ui_.on_path_dialog = [](PathDialog& dialog) { dialog.txtPath() = "elsewhere"; };
  window_.cmdBrowseMaps_Click();
  window_.cmdMode_Click();
  window_.cmdSetPath_Click();
  EXPECT_EQ(window_.controls(), DefaultSettings());
  EXPECT_EQ(GetPathOfZarn(*store_), game_.folder());
  EXPECT_EQ(ui_.dialogs_shown, 3);
}

TEST_F(MainWindowTest, TheMapManagerStartsWithoutArgumentsOrIsReported) {
  std::filesystem::path manager = game_.File("\\Maps\\mapinstaller.exe");
  window_.cmdManage_Click();
  EXPECT_EQ(ui_.messages, std::vector<Message>{kMapManagerFailed});
  for (const std::string& folder : testing_support::InstallationFolders()) {
    SampleGame game(folder);
    game.StoreAsGameFolder(*store_);
    manager = game.File("\\Maps\\mapinstaller.exe");
    testing_support::InstallRecordArgs(manager);
    window_.cmdManage_Click();
    EXPECT_EQ(testing_support::RecordedArgs(manager), "") << folder;
#ifdef _WIN32
    EXPECT_EQ(testing_support::ReadFile(manager.string() + ".cmdline"),
              "\"" + game.folder() + "\\maps\\mapinstaller.exe\"");
#endif
  }
  EXPECT_EQ(ui_.messages.size(), 1u);
}

}  // namespace
}  // namespace hostdeck
