#include "core/config_rewrite.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

namespace install_tools {
namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

struct RewriteCase {
  std::string input;
  std::string output;
};

// Every case is fed whole and in pieces of every size up to one match and a half,
// so that terminators and matches are split at every place.
TEST(ConfigRewriterTest, RewritesByteExactWhereverThePiecesAreCut) {
  const std::vector<RewriteCase> cases = {
      {"", "\r\n"},
      {"A\r\nB\r\n", "\r\nA\r\nB\r\n"},
      {"A\r\nB", "\r\nA\r\nB\r\n"},
      {"A\rB\r", "\r\nA\r\nB\r\n"},
      {"A\nB\n", "\r\nA\nB\n\r\n"},
      {"\r\n", "\r\n\r\n"},
      {"\r\r\n\n", "\r\n\r\n\r\n\n\r\n"},
      {"[Engine.GameEngine]\r\nAllowDownloads=False\r\n",
       "\r\n[Engine.GameEngine]\r\nAllowDownloads=True\r\n"},
      {"AllowDownloads=FalseAllowDownloads=False",
       "\r\nAllowDownloads=TrueAllowDownloads=True\r\n"},
      {"AAllowDownloads=Falsee\rAllowDownloads=False",
       "\r\nAAllowDownloads=Truee\r\nAllowDownloads=True\r\n"},
      {"AllowDownloads=false\r\nAllowDownloads = "
       "False\r\nallowdownloads=False\r\nAllowDownloads=Fals\re",
       "\r\nAllowDownloads=false\r\nAllowDownloads = False\r\nallowdownloads=False\r\n"
       "AllowDownloads=Fals\r\ne\r\n"},
      {std::string("Name=\x80\xe9\xff\0\n\r\n", 12),
       std::string("\r\nName=\x80\xe9\xff\0\n\r\n", 14)},
  };
  for (const RewriteCase& c : cases) {
    for (size_t piece = 1; piece <= 32; ++piece) {
      ConfigRewriter rewriter;
      std::string out;
      for (size_t at = 0; at < c.input.size(); at += piece) {
        rewriter.Feed(std::string_view(c.input).substr(at, piece), &out);
      }
      rewriter.Finish(&out);
      EXPECT_EQ(out, c.output) << "input " << ::testing::PrintToString(c.input) << ", pieces of "
                               << piece;
    }
  }
}

TEST(RewriteConfigFileTest, ReplacesAMatchAcrossTheReadPiecesAndKeepsTheName) {
  TempDir game;
  // The match straddles the end of the first 64 KiB read.
  std::string head(64 * 1024 - 10, 'x');
  WriteFile(game.path() / "System" / "ZARN.ini", head + "AllowDownloads=False\r\n");
  ASSERT_TRUE(
      RewriteConfigFile(game.str() + platform::NativeRelativePath("\\SYSTEM\\ZARN.INI")).ok());
  EXPECT_EQ(ReadFile(game.path() / "System" / "ZARN.ini"),
            "\r\n" + head + "AllowDownloads=True\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(game.path() / "System"), {}), 1);
}

}  // namespace
}  // namespace install_tools
