#include "core/path_dialog.h"

#include <gtest/gtest.h>

#include "core/game_folder.h"
#include "platform/files.h"
#include "test_support/recording_ui.h"
#include "test_support/sample_game.h"
#include "testing/settings_sandbox.h"

namespace hostdeck {
namespace {

class PathDialogTest : public ::testing::Test {
 protected:
  std::string Stored() const {
    return store_->Read(kApplication, kSection, kGameFolderKey, "<nothing stored>");
  }

  testing_support::SettingsSandbox sandbox_{"LaunchdeckByKestrin"};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
  SampleGame game_;
  RecordingUi ui_;
};

TEST_F(PathDialogTest, OpensOnTheStoredFolderOrTheDefault) {
  PathDialog dialog(*store_, ui_);
  dialog.Form_Load();
  EXPECT_EQ(dialog.txtPath(), DefaultGameFolder());
  game_.StoreAsGameFolder(*store_);
  dialog.Form_Load();
  EXPECT_EQ(dialog.txtPath(), game_.folder());
}

TEST_F(PathDialogTest, OkCutsOneSeparatorTestsTheFolderAndStoresIt) {
  std::string sep = platform::NativeRelativePath("\\");
  testing_support::TempDir unpatched;
  testing_support::WriteFile(unpatched.path() / "System" / "ZARN.exe", "");
  struct Case {
    std::string typed;
    std::string shown_after;
    std::vector<Message> messages;
    bool stored;
  };
  for (const Case& c : std::vector<Case>{
           {game_.folder() + sep, game_.folder(), {}, true},
           {game_.folder() + sep + sep, game_.folder() + sep, {}, true},
           {game_.folder(), game_.folder(), {}, true},
           {unpatched.str() + sep, unpatched.str(), {kPatchMissingForPath}, false},
           {unpatched.str() + sep + "missing",
            unpatched.str() + sep + "missing",
            {kInvalidPath},
            false},
           {"", "", {kInvalidPath}, false},
       }) {
    testing_support::SettingsSandbox fresh("LaunchdeckByKestrin");
    ui_.messages.clear();
    PathDialog dialog(*store_, ui_);
    dialog.txtPath() = c.typed;
    EXPECT_EQ(dialog.cmdOk_Click(), c.stored) << c.typed;
    EXPECT_EQ(dialog.txtPath(), c.shown_after);
    EXPECT_EQ(ui_.messages, c.messages) << c.typed;
    EXPECT_EQ(Stored(), c.stored ? c.shown_after : "<nothing stored>") << c.typed;
  }
}

TEST_F(PathDialogTest, TheStoredFolderIsWhatTheNextLookupReads) {
  PathDialog dialog(*store_, ui_);
  dialog.txtPath() = game_.folder();
  ASSERT_TRUE(dialog.cmdOk_Click());
  EXPECT_EQ(GetPathOfZarn(*store_), game_.folder());
}

}  // namespace
}  // namespace hostdeck
