#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::InstallRecordArgs;
using testing_support::RecordedArgs;
using testing_support::TempDir;

TEST(StartProcessTest, PassesTheCommandLineWithoutAShellSeeingIt) {
  TempDir game;
  std::string folder = game.str() + NativeRelativePath("\\Program Files\\ZARN");
  std::string server = folder + NativeRelativePath("\\system\\ucc.exe");
  InstallRecordArgs(server);
  std::string url = "DM_Base2.unr?SN=a_b?GSAlias=\"x y\"?$(touch pwned);echo -port=7777";
  Status status = StartProcess(server, server + " server " + url);
  ASSERT_TRUE(status.ok()) << status.message();
  // Unquoted as built: the blanks split the text exactly as Windows splits it.
  EXPECT_EQ(RecordedArgs(server),
            "Files" + NativeRelativePath("\\ZARN\\system\\ucc.exe") +
                "\nserver\nDM_Base2.unr?SN=a_b?GSAlias=x y?$(touch\npwned);echo\n-port=7777\n");
  EXPECT_FALSE(std::filesystem::exists("pwned"));
#ifdef _WIN32
  EXPECT_EQ(testing_support::ReadFile(server + ".cmdline"), server + " server " + url);
#endif
}

TEST(StartProcessTest, BlanksInThePathCannotStartAnotherProgram) {
  TempDir game;
  // Without the executable given apart, "<dir>/Program Files/..." would start "<dir>/Program".
  std::string decoy = game.str() + NativeRelativePath("\\Program");
  std::string real = game.str() + NativeRelativePath("\\Program Files\\game.exe");
  InstallRecordArgs(decoy);
  InstallRecordArgs(real);
  ASSERT_TRUE(StartProcess(real, real + " -windowed").ok());
  EXPECT_EQ(RecordedArgs(real), "Files" + NativeRelativePath("\\game.exe") + "\n-windowed\n");
  EXPECT_FALSE(FileExist(decoy + ".args"));
}

TEST(StartProcessTest, FindsTheProgramWhateverItsCase) {
  TempDir game;
  std::string installed = game.str() + NativeRelativePath("\\System\\UCC.exe");
  InstallRecordArgs(installed);
  std::string asked = game.str() + NativeRelativePath("\\system\\ucc.exe");
  ASSERT_TRUE(StartProcess(asked, asked + " server").ok());
  EXPECT_EQ(RecordedArgs(installed), "server\n");
}

TEST(StartProcessTest, ReportsAStartThatFailsWithItsReason) {
  TempDir game;
  std::string missing = game.str() + NativeRelativePath("\\system\\ucc.exe");
  Status status = StartProcess(missing, missing + " server");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(missing), std::string::npos) << status.message();
  EXPECT_GT(status.message().size(), missing.size() + 10) << status.message();
}

}  // namespace
}  // namespace platform
