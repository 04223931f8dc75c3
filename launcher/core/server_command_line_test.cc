#include "core/server_command_line.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

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

TEST(StartServerTest, StartsTheGamesServerWithServerAndTheUrl) {
  testing_support::TempDir game;
  std::string server = game.str() + platform::NativeRelativePath("\\System\\ucc.exe");
  testing_support::InstallRecordArgs(server);
  std::string url = ServerUrl(Example());
  EXPECT_EQ(ServerCommandLine(game.str(), url),
            game.str() + platform::NativeRelativePath("\\system\\ucc.exe") + " server " + url);

  platform::Status status = StartServer(game.str(), url);
  ASSERT_TRUE(status.ok()) << status.message();
  // The blank before -port splits it off, as the server expects.
  EXPECT_EQ(testing_support::RecordedArgs(server),
            "server\n" + url.substr(0, url.find(' ')) + "\n-port=7777\n");
}

TEST(StartServerTest, AMissingServerIsReported) {
  testing_support::TempDir game;
  EXPECT_FALSE(StartServer(game.str(), ServerUrl(Example())).ok());
}

}  // namespace
}  // namespace hostdeck
