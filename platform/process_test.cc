#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::InstallRecordArgs;
using testing_support::ReadFile;
using testing_support::RecordedArgs;
using testing_support::TempDir;

TEST(StartProcessTest, TheProgramReceivesExactlyItsArgumentsWhereverItLies) {
  for (const std::string& folder : testing_support::InstallationFolders()) {
    TempDir game;
    std::string server = game.str() + folder + NativeRelativePath("\\system\\ucc.exe");
    InstallRecordArgs(server);
    std::string arguments =
        "server DM_Base2.unr?SN=a_b?GSAlias=\"x y\"?$(touch pwned);echo -port=7777";
    Status status = StartProcess(server, arguments);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(RecordedArgs(server),
              "server\nDM_Base2.unr?SN=a_b?GSAlias=x y?$(touch\npwned);echo\n-port=7777\n")
        << folder;
    EXPECT_FALSE(std::filesystem::exists("pwned"));
#ifdef _WIN32
    EXPECT_EQ(ReadFile(server + ".cmdline"), "\"" + server + "\" " + arguments);
    EXPECT_EQ(ReadFile(server + ".console"), "1") << "not a console of its own";
#endif
  }
}

TEST(StartProcessTest, WithoutArgumentsTheProgramGetsNone) {
  TempDir game;
  std::string manager = game.str() + NativeRelativePath("\\Program Files\\ZARN\\maps\\m.exe");
  InstallRecordArgs(manager);
  ASSERT_TRUE(StartProcess(manager, "").ok());
  EXPECT_EQ(RecordedArgs(manager), "");
#ifdef _WIN32
  EXPECT_EQ(ReadFile(manager + ".cmdline"), "\"" + manager + "\"");
#endif
}

TEST(StartProcessTest, BlanksInThePathCannotStartAnotherProgram) {
  TempDir game;
  // Split at its blank, "<dir>/Program Files/..." would start "<dir>/Program".
  std::string decoy = game.str() + NativeRelativePath("\\Program");
  std::string real = game.str() + NativeRelativePath("\\Program Files\\game.exe");
  InstallRecordArgs(decoy);
  InstallRecordArgs(real);
  ASSERT_TRUE(StartProcess(real, "-windowed").ok());
  EXPECT_EQ(RecordedArgs(real), "-windowed\n");
  EXPECT_FALSE(FileExist(decoy + ".args"));
}

TEST(StartProcessTest, FindsTheProgramWhateverItsCase) {
  TempDir game;
  std::string installed = game.str() + NativeRelativePath("\\System\\UCC.exe");
  InstallRecordArgs(installed);
  std::string asked = game.str() + NativeRelativePath("\\system\\ucc.exe");
  ASSERT_TRUE(StartProcess(asked, "server").ok());
  EXPECT_EQ(RecordedArgs(installed), "server\n");
}

TEST(StartProcessTest, ReportsAStartThatFailsWithItsReason) {
  TempDir game;
  std::string missing = game.str() + NativeRelativePath("\\system\\ucc.exe");
  Status status = StartProcess(missing, "server");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(missing), std::string::npos) << status.message();
  EXPECT_GT(status.message().size(), missing.size() + 10) << status.message();
}

}  // namespace
}  // namespace platform
