#include "platform/settings_store.h"

#include <gtest/gtest.h>

#include <thread>

#include "testing/settings_sandbox.h"

namespace platform {
namespace {

constexpr const char* kApp = "ZarnSettingsStoreTest";

class SettingsStoreTest : public ::testing::Test {
 protected:
  testing_support::SettingsSandbox sandbox_{kApp};
  std::unique_ptr<SettingsStore> store_ = SettingsStore::ForCurrentUser();
};

TEST_F(SettingsStoreTest, AbsentKeyGivesTheReadersDefault) {
  EXPECT_EQ(store_->Read(kApp, "Section", "txtPort", "7777"), "7777");
  ASSERT_TRUE(store_->Write(kApp, "Section", "txtMap", "DM_Base2.unr").ok());
  EXPECT_EQ(store_->Read(kApp, "Section", "txtPort", "7777"), "7777");
  EXPECT_EQ(store_->Read(kApp, "Other", "txtMap", "none"), "none");
}

TEST_F(SettingsStoreTest, EveryAwkwardValueRoundTripsByteForByte) {
  const std::string values[] = {
      "",
      "  leading and trailing blanks  ",
      "a=b==c",
      "; not a comment",
      "# not a comment either",
      "[not a section]",
      "\"quoted\" 'single'",
      "\t tab \t",
      "caf\xe9 \x80\x81\x9d\xff",
      "back\\slash\\",
      std::string(300, 'x'),
  };
  int n = 0;
  for (const std::string& value : values) {
    std::string key = "key" + std::to_string(n++);
    ASSERT_TRUE(store_->Write(kApp, "Section", key, value).ok()) << key;
  }
  auto fresh = SettingsStore::ForCurrentUser();
  n = 0;
  for (const std::string& value : values) {
    EXPECT_EQ(fresh->Read(kApp, "Section", "key" + std::to_string(n++), "<absent>"), value);
  }
}

TEST_F(SettingsStoreTest, NamesCompareWithoutRegardToCase) {
  ASSERT_TRUE(store_->Write(kApp, "LaunchdeckByKestrin", "PathOfZarn", "C:\\Games\\ZARN").ok());
  EXPECT_EQ(store_->Read(kApp, "LaunchdeckbyKestrin", "pathofzarn", ""), "C:\\Games\\ZARN");
  ASSERT_TRUE(store_->Write(kApp, "LAUNCHDECKBYKESTRIN", "PATHOFZARN", "D:\\ZARN").ok());
  EXPECT_EQ(store_->Read(kApp, "LaunchdeckByKestrin", "PathOfZarn", ""), "D:\\ZARN");
  EXPECT_EQ(store_->Read("zarnsettingsstoretest", "launchdeckbykestrin", "PathOfZarn", ""),
            "D:\\ZARN");
}

TEST_F(SettingsStoreTest, ASaveWithAnythingItCannotHoldWritesNoneOfItsValues) {
  ASSERT_TRUE(store_->Write(kApp, "Section", "txtServerPassword", "secret").ok());
  struct Case {
    std::string section, key, value;
    std::string reason;
  };
  for (const Case& c : std::vector<Case>{
           {"Section", "txtServerPassword", "two\nlines", "line break"},
           {"Section", "txtServerPassword", "carriage\rreturn", "line break"},
           {"Section", "txtServerPassword", std::string("nul\0byte", 8), "NUL"},
           {"Section", "bad=key", "v", "\"bad=key\""},
           {"Section", "a/b", "v", "\"a/b\""},
           {"Section", "a\\b", "v", "\"a\\b\""},
           {"Section", ".", "v", "\".\""},
           {"..", "key", "v", "\"..\""},
           {"", "key", "v", "\"\""},
           {" Section", "key", "v", "\" Section\""},
           {"[Section]", "key", "v", "\"[Section]\""},
           {"Sec\ttion", "key", "v", "\"Sec\ttion\""},
       }) {
    const SettingsStore::Entry entries[] = {{"Section", "txtPort", "1234"},
                                            {c.section, c.key, c.value},
                                            {"Section", "txtMap", "DM_Amos.unr"}};
    Status status = store_->WriteAll(kApp, entries);
    EXPECT_FALSE(status.ok()) << c.section << "/" << c.key;
    EXPECT_NE(status.message().find(c.reason), std::string::npos) << status.message();
  }
  EXPECT_EQ(store_->Read(kApp, "Section", "txtPort", "<absent>"), "<absent>");
  EXPECT_EQ(store_->Read(kApp, "Section", "txtMap", "<absent>"), "<absent>");
  EXPECT_EQ(store_->Read(kApp, "Section", "txtServerPassword", ""), "secret");
}

TEST_F(SettingsStoreTest, AnApplicationNameThatWouldLeaveItsPlaceIsRefused) {
  for (std::string_view application : {"..", ".", "../escape", "a/b", "a\\b", ""}) {
    EXPECT_FALSE(store_->Write(application, "Section", "key", "v").ok()) << application;
    EXPECT_EQ(store_->Read(application, "Section", "key", "default"), "default");
    EXPECT_FALSE(store_->CheckReadable(application).ok()) << application;
    Status status;
    EXPECT_EQ(store_->LockForUpdate(application, std::chrono::milliseconds(0), &status), nullptr);
    EXPECT_FALSE(status.ok());
  }
}

TEST_F(SettingsStoreTest, SettingsThatCannotBeReadAreReportedAndNeverWrittenOver) {
  EXPECT_TRUE(store_->CheckReadable(kApp).ok()) << "nothing stored yet is no failure";
  ASSERT_TRUE(store_->Write(kApp, kApp, "txtMap", "DM_Amos.unr").ok());
  EXPECT_TRUE(store_->CheckReadable(kApp).ok());
  sandbox_.MakeUnreadable();
  Status readable = store_->CheckReadable(kApp);
  EXPECT_FALSE(readable.ok());
  EXPECT_FALSE(readable.message().empty());
  Status written = store_->Write(kApp, kApp, "txtMap", "DM_Other.unr");
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(written.message(), readable.message());
}

TEST_F(SettingsStoreTest, ALockKeepsOtherProgramsWaitingButNotItsOwnStore) {
  std::unique_ptr<SettingsStore> other = SettingsStore::ForCurrentUser();
  Status status;
  auto lock = store_->LockForUpdate(kApp, std::chrono::milliseconds(0), &status);
  ASSERT_NE(lock, nullptr) << status.message();
  ASSERT_TRUE(store_->Write(kApp, "Section", "txtPort", "1").ok()) << "its own save goes ahead";
  {
    auto nested = store_->LockForUpdate(kApp, std::chrono::milliseconds(0), &status);
    EXPECT_NE(nested, nullptr);
  }

  EXPECT_EQ(other->LockForUpdate(kApp, std::chrono::milliseconds(50), &status), nullptr);
  EXPECT_NE(status.message().find("in use by another program"), std::string::npos)
      << status.message();
  EXPECT_NE(status.message().find("50 ms"), std::string::npos) << status.message();

  // Another store's save waits for the lock, then goes ahead.
  std::thread release([&lock] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    lock.reset();
  });
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(other->Write(kApp, "Section", "txtPort", "2").ok());
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
  release.join();
  EXPECT_EQ(store_->Read(kApp, "Section", "txtPort", ""), "2");
  EXPECT_NE(other->LockForUpdate(kApp, std::chrono::milliseconds(0), &status), nullptr);
}

}  // namespace
}  // namespace platform
