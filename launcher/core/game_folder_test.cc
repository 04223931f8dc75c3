#include "core/game_folder.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "testing/settings_sandbox.h"
#include "testing/temp_dir.h"

namespace hostdeck {
namespace {

class GameFolderTest : public ::testing::Test {
 protected:
  testing_support::SettingsSandbox sandbox_{std::string(kApplication)};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
};

TEST_F(GameFolderTest, NothingStoredGivesTheDefaultWithoutWritingIt) {
  std::string folder = GetPathOfZarn(*store_);
  EXPECT_EQ(folder, DefaultGameFolder());
  EXPECT_TRUE(folder.ends_with(platform::NativeRelativePath("\\Program Files\\Halvane\\ZARN")))
      << folder;
  EXPECT_EQ(store_->Read(kApplication, kSection, kGameFolderKey, "<absent>"), "<absent>");
}

TEST_F(GameFolderTest, ReadsWhatTheOtherSpellingOfTheSectionWroteAfreshEachTime) {
  ASSERT_TRUE(store_->Write(kApplication, kSection, kGameFolderKey, "D:\\Games\\ZARN\\").ok());
  EXPECT_EQ(GetPathOfZarn(*store_), "D:\\Games\\ZARN\\");
  ASSERT_TRUE(store_->Write(kApplication, kSection, kGameFolderKey, "E:\\ZARN").ok());
  EXPECT_EQ(GetPathOfZarn(*store_), "E:\\ZARN");
}

TEST_F(GameFolderTest, ValidGameFolderNeedsOnlyTheGameExecutableEvenEmpty) {
  testing_support::TempDir game;
  std::string zarn_exe = game.str() + platform::NativeRelativePath("\\system\\zarn.exe");
  EXPECT_FALSE(platform::FileExist(zarn_exe));
  testing_support::WriteFile(game.path() / "system" / "zarn.exe", "");
  EXPECT_TRUE(platform::FileExist(zarn_exe));
}

}  // namespace
}  // namespace hostdeck
