#include "core/mode_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/game_modes.h"
#include "platform/files.h"
#include "platform/own_folder.h"
#include "test_support/recording_ui.h"
#include "testing/temp_dir.h"

namespace hostdeck {
namespace {

TEST(ModeDialogTest, TheBuiltModesFolderListsTheCatalogueAlphabetically) {
  RecordingUi ui;
  ModeDialog dialog(platform::OwnFolder(), ui);
  dialog.Form_Load();
  std::vector<std::string> expected;
  for (const GameMode& mode : kGameModes) expected.emplace_back(mode.name);
  EXPECT_EQ(dialog.filModes().names(), expected);  // the catalogue's own order is alphabetical
}

TEST(ModeDialogTest, NamesWithADotAreNotListedAndUnknownNamesAreOffered) {
  testing_support::TempDir own;
  for (const char* name : {"Team Power Up", "Deathmatch", "readme.txt", "My Mode"}) {
    testing_support::WriteFile(own.path() / "Modes" / name, "");
  }
  RecordingUi ui;
  ModeDialog dialog(own.str(), ui);
  dialog.Form_Load();
  EXPECT_EQ(dialog.filModes().names(),
            (std::vector<std::string>{"Deathmatch", "My Mode", "Team Power Up"}));
}

TEST(ModeDialogTest, OkNeedsASelection) {
  RecordingUi ui;
  ModeDialog dialog(platform::OwnFolder(), ui);
  dialog.Form_Load();
  EXPECT_FALSE(dialog.cmdOk_Click());
  EXPECT_FALSE(dialog.accepted());
  EXPECT_EQ(ui.messages, std::vector<Message>{kNoModeSelected});

  dialog.filModes().Select("Team Power Up");
  EXPECT_TRUE(dialog.cmdOk_Click());
  EXPECT_TRUE(dialog.accepted());
  EXPECT_EQ(dialog.chosen_mode(), "Team Power Up");
}

TEST(ModeDialogTest, AMissingFolderLeavesTheDialogUsable) {
  testing_support::TempDir own;
  RecordingUi ui;
  ModeDialog dialog(own.str(), ui);
  dialog.Form_Load();
  EXPECT_TRUE(dialog.filModes().names().empty());
  EXPECT_FALSE(dialog.cmdOk_Click());
}

}  // namespace
}  // namespace hostdeck
