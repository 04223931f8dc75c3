#include "core/server_command_line.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"
#ifndef _WIN32
#include "testing/wine.h"
#endif

namespace hostdeck {
namespace {

LaunchValues Example() {
  LaunchValues v;
  v.map_file = "DM_Base2.unr";
  v.listing_name = "AFM-10";
  v.players = "6";
  v.friendly_fire = "0";
  v.points = "20";
  v.time = "0";
  v.game_index = "0";
  v.game_class = "ZARNMP.ZARNMPGameInfo";
  v.administrator_password = "kw3pqzrvmtb";
  v.title = "ZARNServer";
  v.account_name = "operator";
  v.account_password = "secret";
  v.port = "7777";
  return v;
}

TEST(ServerUrlTest, JoinsEveryPieceInOrder) {
  EXPECT_EQ(ServerUrl(Example()),
            "DM_Base2.unr?GameIdx=0?MapName=AFM-10?NP=6?FF=0?FR=20?TI=0"
            "?Game=ZARNMP.ZARNMPGameInfo?AdminPassword=kw3pqzrvmtb?SN=ZARNServer?Mutator="
            "?GS=1?ServerName=ZARNServer?GSAlias=operator?GSPassword=secret?IsPrivate=N"
            " -port=7777");
}

TEST(ServerUrlTest, AServerPasswordStandsTwiceAndMakesThePrivatePiece) {
  LaunchValues v = Example();
  v.server_password = "club";
  v.mutator = "ZARNMP.MarioMutator";
  EXPECT_EQ(ServerUrl(v),
            "DM_Base2.unr?GameIdx=0?MapName=AFM-10?NP=6?FF=0?FR=20?TI=0"
            "?Game=ZARNMP.ZARNMPGameInfo?AdminPassword=kw3pqzrvmtb?Password=club?SN=ZARNServer"
            "?Mutator=ZARNMP.MarioMutator?GS=1?ServerName=ZARNServer?GSAlias=operator"
            "?GSPassword=secret?IsPrivate=Y?GamePassword=club -port=7777");
}

TEST(ServerUrlTest, MaskingHidesEveryPasswordButKeepsAPublicServerPublic) {
  LaunchValues v = Example();
  std::string url = ServerUrl(WithPasswordsMasked(v));
  EXPECT_NE(url.find("?AdminPassword=***?SN="), std::string::npos) << url;
  EXPECT_NE(url.find("?GSPassword=***?IsPrivate=N -port"), std::string::npos) << url;
  v.server_password = "club";
  url = ServerUrl(WithPasswordsMasked(v));
  EXPECT_NE(url.find("?Password=***?SN="), std::string::npos) << url;
  EXPECT_NE(url.find("?GamePassword=*** -port"), std::string::npos) << url;
  EXPECT_EQ(url.find("club"), std::string::npos) << url;
}

TEST(StartServerTest, TheServerReceivesExactlyServerTheUrlAndThePortWhereverTheGameIs) {
  std::string url = ServerUrl(Example());
  std::string received = "server\n" + url.substr(0, url.find(' ')) + "\n-port=7777\n";
  for (const std::string& folder : testing_support::InstallationFolders()) {
    testing_support::TempDir dir;
    std::string game = dir.str() + folder;
    std::string server = game + platform::NativeRelativePath("\\System\\ucc.exe");
    testing_support::InstallRecordArgs(server);
    std::string asked = game + platform::NativeRelativePath("\\system\\ucc.exe");
    EXPECT_EQ(ServerCommandLine(game, url), "\"" + asked + "\" server " + url);

    platform::Status status = StartServer(game, url);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(testing_support::RecordedArgs(server), received) << folder;
#ifdef _WIN32
    EXPECT_EQ(testing_support::ReadFile(server + ".cmdline"), ServerCommandLine(game, url));
    EXPECT_EQ(testing_support::ReadFile(server + ".console"), "1") << "not a console of its own";
#endif
  }
}

#ifndef _WIN32
TEST(StartServerTest, AWindowsServerStartedThroughWineReceivesExactlyItsArguments) {
  std::string unavailable = testing_support::ReadyWine();
  if (!unavailable.empty()) GTEST_SKIP() << "Not started through wine: " << unavailable;
  LaunchValues values = Example();
  values.title = "a\\b\\";  // backslashes, which the runtime's split treats apart
  std::string url = ServerUrl(values);
  for (const std::string& folder : testing_support::InstallationFolders()) {
    if (folder.find_first_of("\"\\\t\xfc") != std::string::npos) continue;  // no Windows name
    testing_support::TempDir dir;
    std::string game = dir.str() + folder;
    std::string server = game + "/System/ucc.exe";
    testing_support::InstallRecordArgs(server, testing_support::WindowsRecordArgs());
    platform::Status status = StartServer(game, url);
    ASSERT_TRUE(status.ok()) << status.message();
    // A first start in a new prefix sets the prefix up first.
    EXPECT_EQ(testing_support::RecordedArgs(server, std::chrono::minutes(2)),
              "server\n" + url.substr(0, url.find(' ')) + "\n-port=7777\n")
        << folder;
    std::string command_line = testing_support::ReadFile(server + ".cmdline");
    EXPECT_TRUE(command_line.starts_with('"')) << command_line;
    EXPECT_TRUE(command_line.ends_with("ucc.exe\" server " + url)) << command_line;
  }
}
#endif

TEST(StartServerTest, AMissingServerIsReported) {
  testing_support::TempDir game;
  EXPECT_FALSE(StartServer(game.str(), ServerUrl(Example())).ok());
}

}  // namespace
}  // namespace hostdeck
