#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"

namespace platform {
namespace {

using testing_support::ReadFile;
using testing_support::WriteFile;

constexpr const char* kApp = "LaunchdeckByKestrin";

class IniSettingsStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const {
    return std::filesystem::path(sandbox_.config_home()) / kApp / "settings.ini";
  }

  testing_support::SettingsSandbox sandbox_{kApp};
  std::unique_ptr<SettingsStore> store_ = SettingsStore::ForCurrentUser();
};

TEST_F(IniSettingsStoreTest, KeepsOneFileReadableOnlyByItsOwner) {
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtAccountPassword", "hunter 2").ok());
  struct stat info;
  ASSERT_EQ(stat(File().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(ReadFile(File()), "[LaunchdeckByKestrin]\ntxtAccountPassword=hunter 2\n");
}

TEST_F(IniSettingsStoreTest, SkipsLinesItCannotParseAndKeepsThemOnWrite) {
  WriteFile(File(),
            "garbage without equals\r\n"
            "; a comment\r\n"
            "[launchdeckbykestrin]\r\n"
            "  txtPort = 7778\r\n"
            "[\r\n"
            "txtMap=DM_Pal.unr\r\n");
  EXPECT_EQ(store_->Read(kApp, kApp, "txtPort", ""), " 7778");
  EXPECT_EQ(store_->Read(kApp, kApp, "txtMap", ""), "DM_Pal.unr");
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtPort", "7777").ok());
  EXPECT_EQ(ReadFile(File()),
            "garbage without equals\n"
            "; a comment\n"
            "[launchdeckbykestrin]\n"
            "txtPort=7777\n"
            "[\n"
            "txtMap=DM_Pal.unr\n");
}

TEST_F(IniSettingsStoreTest, ALeftoverFromACrashedSaveChangesNothing) {
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtServerName", "Before").ok());
  // What a save interrupted before its rename leaves behind.
  WriteFile(File().parent_path() / ".settings.ini.Ab12Cd", "[LaunchdeckByKestrin]\ntxtServ");
  EXPECT_EQ(store_->Read(kApp, kApp, "txtServerName", ""), "Before");
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtPort", "1234").ok());
  EXPECT_EQ(store_->Read(kApp, kApp, "txtServerName", ""), "Before");
}

TEST_F(IniSettingsStoreTest, AFullDiskLeavesThePreviousFileIntact) {
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtServerName", "Before").ok());
  std::string before = ReadFile(File());
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The file-size limit makes every write past 64 bytes fail as a full disk would.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    Status status = store_->Write(kApp, kApp, "txtServerName", std::string(4096, 'x'));
    _exit(status.ok() ? 1 : 0);
  }
  int wait_status = 0;
  ASSERT_EQ(waitpid(child, &wait_status, 0), child);
  ASSERT_TRUE(WIFEXITED(wait_status));
  EXPECT_EQ(WEXITSTATUS(wait_status), 0) << "the failed write was reported as success";
  EXPECT_EQ(ReadFile(File()), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File().parent_path()), {}), 1);
}

TEST_F(IniSettingsStoreTest, AStoreThatCannotBeReadIsNeverOverwritten) {
  std::filesystem::create_directories(File());
  WriteFile(File() / "kept", "x");
  EXPECT_EQ(store_->Read(kApp, kApp, "txtServerName", "default"), "default");
  EXPECT_FALSE(store_->Write(kApp, kApp, "txtPort", "1").ok());
  EXPECT_EQ(ReadFile(File() / "kept"), "x");
}

}  // namespace
}  // namespace platform
