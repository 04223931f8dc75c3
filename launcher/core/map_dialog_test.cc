#include "core/map_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/official_maps.h"
#include "platform/files.h"
#include "platform/own_folder.h"
#include "test_support/recording_ui.h"
#include "test_support/sample_game.h"
#include "testing/settings_sandbox.h"

namespace hostdeck {
namespace {

class MapDialogTest : public ::testing::Test {
 protected:
  MapDialogTest() { game_.StoreAsGameFolder(*store_); }

  // The dialog over the MapList folder that the build puts beside the programs.
  MapDialog Open(const std::string& own_folder = platform::OwnFolder()) {
    MapDialog dialog(*store_, own_folder, ui_);
    dialog.Form_Load();
    return dialog;
  }

  testing_support::SettingsSandbox sandbox_{"LaunchdeckByKestrin"};
  std::unique_ptr<platform::SettingsStore> store_ = platform::SettingsStore::ForCurrentUser();
  SampleGame game_;
  RecordingUi ui_;
};

TEST_F(MapDialogTest, TheBuiltMapListHoldsOneFilePerOfficialMap) {
  std::vector<std::string> names =
      platform::FileNamesIn(platform::OwnFolder() + platform::NativeRelativePath("\\MapList"));
  std::vector<std::string> expected;
  for (const OfficialMap& map : kOfficialMaps) expected.emplace_back(map.display_name);
  std::sort(names.begin(), names.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(names, expected);
}

TEST_F(MapDialogTest, WithThePatchMapsEverythingIsOfferedUnofficialGreyedUntilChosen) {
  MapDialog dialog = Open();
  EXPECT_EQ(dialog.lstOfficial().names().size(), 24u);
  EXPECT_EQ(dialog.lstOfficial().names().front(), "AFM-10");
  EXPECT_EQ(dialog.lstOfficial().names().back(), "XX");
  EXPECT_TRUE(dialog.optOfficial());
  EXPECT_TRUE(dialog.optUnofficial_enabled());
  EXPECT_TRUE(dialog.lstOfficial().enabled());
  EXPECT_FALSE(dialog.filUnofficial().enabled());
  EXPECT_EQ(dialog.filUnofficial().names(),
            (std::vector<std::string>{"CTF_Bridge.unr", "DM-Arena.unr"}));
}

TEST_F(MapDialogTest, WithoutThePatchMapsOnlyTheGamesOwnAreOffered) {
  game_.Remove("\\Maps\\dm_spads.unr");
  MapDialog dialog = Open();
  const std::vector<std::string>& names = dialog.lstOfficial().names();
  EXPECT_EQ(names.size(), 21u);
  for (const char* patch :
       {"Lost Temple (ZARN 1.4)", "Platform 03 (ZARN 1.4)", "SPADS 2 (ZARN 1.4)"}) {
    EXPECT_EQ(std::count(names.begin(), names.end(), patch), 0) << patch;
  }
  EXPECT_FALSE(dialog.optUnofficial_enabled());
  EXPECT_TRUE(dialog.filUnofficial().names().empty());
}

TEST_F(MapDialogTest, OkGivesTheFileOfTheSelectedEntryOrWarns) {
  testing_support::TempDir own;
  for (const char* name : {"XX", "SPADS 2 (ZARN 1.4)", "Winslow Bank", "winslow bank"}) {
    testing_support::WriteFile(own.path() / "MapList" / name, "");
  }
  struct Case {
    std::string selected;  // empty: nothing selected
    std::string chosen;    // empty: the warning
  };
  for (const Case& c : std::vector<Case>{{"XX", "CTF_Sanc.unr"},
                                         {"SPADS 2 (ZARN 1.4)", "DM_Spads.unr"},
                                         {"Winslow Bank", "DM_Banque.unr"},
                                         {"winslow bank", ""},
                                         {"", ""}}) {
    ui_.messages.clear();
    MapDialog dialog = Open(own.str());
    dialog.lstOfficial().Select(c.selected);
    EXPECT_EQ(dialog.cmdOk_Click(), !c.chosen.empty()) << c.selected;
    EXPECT_EQ(dialog.accepted(), !c.chosen.empty());
    EXPECT_EQ(dialog.chosen_map(), c.chosen);
    EXPECT_EQ(ui_.messages,
              c.chosen.empty() ? std::vector<Message>{kNoMapSelected} : std::vector<Message>{})
        << c.selected;
  }
}

TEST_F(MapDialogTest, UnofficialMapsAreChosenByFileAndTheOfficialSelectionSurvivesSwitching) {
  MapDialog dialog = Open();
  dialog.lstOfficial().Select("XX");
  dialog.optUnofficial_Click();
  EXPECT_FALSE(dialog.lstOfficial().enabled());
  EXPECT_TRUE(dialog.filUnofficial().enabled());
  dialog.filUnofficial().Select("DM-Arena.unr");
  dialog.optOfficial_Click();
  EXPECT_EQ(dialog.lstOfficial().selected_name(), "XX");
  ASSERT_TRUE(dialog.cmdOk_Click());
  EXPECT_EQ(dialog.chosen_map(), "CTF_Sanc.unr");

  MapDialog unofficial = Open();
  game_.Add("\\Maps\\List\\Added later.unr");
  unofficial.optUnofficial_Click();  // reads the folder afresh
  unofficial.filUnofficial().Select("Added later.unr");
  ASSERT_TRUE(unofficial.cmdOk_Click());
  EXPECT_EQ(unofficial.chosen_map(), "Added later.unr");
}

TEST_F(MapDialogTest, MissingFoldersLeaveTheDialogUsable) {
  testing_support::TempDir own;
  game_.Remove("\\Maps\\List\\DM-Arena.unr");
  game_.Remove("\\Maps\\List\\CTF_Bridge.unr");
  MapDialog dialog = Open(own.str());
  EXPECT_TRUE(dialog.lstOfficial().names().empty());
  EXPECT_FALSE(dialog.cmdOk_Click());
  EXPECT_EQ(ui_.messages, std::vector<Message>{kNoMapSelected});
}

}  // namespace
}  // namespace hostdeck
