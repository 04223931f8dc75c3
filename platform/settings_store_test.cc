#include "platform/settings_store.h"

#include <gtest/gtest.h>

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

TEST_F(SettingsStoreTest, RefusesWhatItCannotHoldAndKeepsTheOldValue) {
  ASSERT_TRUE(store_->Write(kApp, "Section", "txtServerPassword", "secret").ok());
  const std::string refused[] = {"two\nlines", "carriage\rreturn", std::string("nul\0byte", 8)};
  for (const std::string& value : refused) {
    Status status = store_->Write(kApp, "Section", "txtServerPassword", value);
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find("txtServerPassword"), std::string::npos) << status.message();
  }
  EXPECT_EQ(store_->Read(kApp, "Section", "txtServerPassword", ""), "secret");
  EXPECT_FALSE(store_->Write(kApp, "Section", "bad=key", "v").ok());
  EXPECT_FALSE(store_->Write(kApp, "", "key", "v").ok());
  EXPECT_FALSE(store_->Write(kApp, "[Section]", "key", "v").ok());
}

}  // namespace
}  // namespace platform
