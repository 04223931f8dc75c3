#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

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
            "garbage without equals\r\n"
            "; a comment\r\n"
            "[launchdeckbykestrin]\r\n"
            "txtPort=7777\r\n"
            "[\r\n"
            "txtMap=DM_Pal.unr\r\n");
}

TEST_F(IniSettingsStoreTest, LinesItDoesNotChangeKeepTheirBytes) {
  struct Case {
    std::string before;
    std::string after;  // once txtPort=2 is written
  };
  for (const Case& c : std::vector<Case>{
           // A hand-edited line ending in two CRs keeps its value "v\r".
           {"[LaunchdeckByKestrin]\r\nk=v\r\r\ntxtPort=1\r\n",
            "[LaunchdeckByKestrin]\r\nk=v\r\r\ntxtPort=2\r\n"},
           {"[LaunchdeckByKestrin]\nk=v\r\r\n", "[LaunchdeckByKestrin]\nk=v\r\r\ntxtPort=2\r\n"},
           {"; mixed\r\n[LaunchdeckByKestrin]\nk=v\n",
            "; mixed\r\n[LaunchdeckByKestrin]\nk=v\ntxtPort=2\n"},
           {"[LaunchdeckByKestrin]\nk=v", "[LaunchdeckByKestrin]\nk=v\ntxtPort=2\n"},
           {"[Other]\r\nx=1", "[Other]\r\nx=1\n[LaunchdeckByKestrin]\ntxtPort=2\n"},
           {"\xff\xfe not text\n[LaunchdeckByKestrin]\ntxtPort=1\n \t \n",
            "\xff\xfe not text\n[LaunchdeckByKestrin]\ntxtPort=2\n \t \n"},
       }) {
    WriteFile(File(), c.before);
    std::string k_before = store_->Read(kApp, kApp, "k", "<absent>");
    ASSERT_TRUE(store_->Write(kApp, kApp, "txtPort", "2").ok());
    EXPECT_EQ(ReadFile(File()), c.after);
    EXPECT_EQ(store_->Read(kApp, kApp, "k", "<absent>"), k_before);
  }
}

TEST_F(IniSettingsStoreTest, ALeftoverOfACrashedSaveIsRemovedByTheNextSave) {
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtServerName", "Before").ok());
  // What a save killed between its link and its rename leaves behind, and a
  // file of the operator's that only looks alike.
  std::filesystem::path leftover = File().parent_path() / ".settings.ini.Ab12Cd.tmp";
  std::filesystem::path own = File().parent_path() / ".settings.ini.backup";
  WriteFile(leftover, "[LaunchdeckByKestrin]\ntxtAccountPassword=secret\n");
  WriteFile(own, "kept");
  EXPECT_EQ(store_->Read(kApp, kApp, "txtServerName", ""), "Before");
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtPort", "1234").ok());
  EXPECT_FALSE(std::filesystem::exists(leftover));
  EXPECT_EQ(ReadFile(own), "kept");
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
  EXPECT_EQ(testing_support::EntriesIn(File().parent_path()), 1u)
      << "nothing beside the settings, not even a lock file";
}

// A file that exists but cannot be read, or is no settings text, is reported
// with its reason, reads as the defaults, and is never replaced. Root reads
// through permissions, so "no permission" runs as another user.
TEST_F(IniSettingsStoreTest, SettingsThatCannotBeReadAreReportedAndKept) {
  struct Case {
    std::string name;
    std::function<void()> spoil;
    std::string reason;
    bool as_nobody = false;
  };
  const std::string text = "[LaunchdeckByKestrin]\ntxtServerName=Kept\n";
  for (const Case& c : std::vector<Case>{
           {"a folder in its place",
            [&] {
              std::filesystem::create_directories(File());
              WriteFile(File() / "kept", "x");
            },
            "not a regular file"},
           {"a pipe without a writer",
            [&] {
              std::filesystem::create_directories(File().parent_path());
              ASSERT_EQ(mkfifo(File().c_str(), 0600), 0);
            },
            "not a regular file"},
           {"not text (UTF-16)",
            [&] { WriteFile(File(), std::string("\xff\xfe[\0L\0]\0\n\0", 10)); }, "NUL"},
           {"a file in the place of its folder", [&] { WriteFile(File().parent_path(), "x"); },
            "Not a directory"},
           {"no permission",
            [&] {
              WriteFile(File(), text);
              std::filesystem::permissions(
                  File(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
            },
            "Permission denied", true},
       }) {
    std::filesystem::remove_all(sandbox_.config_home() + "/" + kApp);
    c.spoil();
    std::string before = std::filesystem::is_regular_file(File()) ? ReadFile(File()) : "";
    auto check = [&] {
      Status readable = store_->CheckReadable(kApp);
      EXPECT_FALSE(readable.ok()) << c.name;
      EXPECT_NE(readable.message().find(c.reason), std::string::npos) << readable.message();
      EXPECT_NE(readable.message().find("settings"), std::string::npos) << readable.message();
      EXPECT_EQ(store_->Read(kApp, kApp, "txtServerName", "default"), "default") << c.name;
      Status written = store_->Write(kApp, kApp, "txtPort", "1");
      EXPECT_FALSE(written.ok()) << c.name;
      EXPECT_NE(written.message().find(c.reason), std::string::npos) << written.message();
    };
    if (c.as_nobody && geteuid() == 0) {
      pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        // Any failed check makes the exit status non-zero.
        _exit(setuid(65534) == 0 && (check(), !::testing::Test::HasFailure()) ? 0 : 1);
      }
      int status = 0;
      ASSERT_EQ(waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << c.name;
    } else {
      check();
    }
    if (std::filesystem::is_regular_file(File())) {
      EXPECT_EQ(ReadFile(File()), before) << c.name;
    }
  }
  EXPECT_EQ(ReadFile(File()), text);
}

}  // namespace
}  // namespace platform
