#include "core/official_maps.h"

#include <gtest/gtest.h>

namespace hostdeck {
namespace {

TEST(OfficialMapsTest, DisplayNamesGiveTheirFilesExactly) {
  EXPECT_EQ(std::size(kOfficialMaps), 24u);
  EXPECT_EQ(OfficialMapFile("Winslow Bank"), "DM_Banque.unr");
  EXPECT_EQ(OfficialMapFile("XX"), "CTF_Sanc.unr");
  EXPECT_EQ(OfficialMapFile("SPADS 2 (ZARN 1.4)"), "DM_Spads.unr");
  EXPECT_EQ(OfficialMapFile("Docks"), "DM_USA2_demo.unr");
  EXPECT_EQ(OfficialMapFile("winslow bank"), "");
  EXPECT_EQ(OfficialMapFile("SPADS 2"), "");
  EXPECT_EQ(OfficialMapFile(""), "");
}

TEST(OfficialMapsTest, OnlyThePatchMapsHaveADotInTheirDisplayName) {
  int with_dot = 0;
  for (const OfficialMap& map : kOfficialMaps) {
    bool patch = map.display_name.ends_with(" (ZARN 1.4)");
    EXPECT_EQ(map.display_name.find('.') != std::string_view::npos, patch) << map.display_name;
    with_dot += patch;
  }
  EXPECT_EQ(with_dot, 3);
}

TEST(MapListingNameTest, TableThenDerivation) {
  struct Case {
    std::string map_file;
    std::string listing_name;
  };
  for (const Case& c : std::vector<Case>{
           {"DM_Base2.unr", "AFM-10"},
           {"SB_USA2.unr", "Docks"},
           {"DM_USA2_demo.unr", "Docks"},
           {"CTF_Sanc.unr", "XX"},
           {"DM_Spads.unr", "SPADS_2"},
           // Not in the table: an unofficial map, or an official one in another case.
           {"DM-Arena.unr", "Arena_*"},
           {"CTF_Bridge.unr", "Bridge_*"},
           {"dm_base2.unr", "base2_*"},
           {"MyMap.unr", "ap_*"},
           // Too short for every cut: each takes what there is.
           {"DM_A.unr", "A_*"},
           {"ab.unr", "_*"},
           {"DM_x", "_*"},
           {"x", "_*"},
           {"", "_*"},
       }) {
    EXPECT_EQ(MapListingName(c.map_file), c.listing_name) << c.map_file;
  }
}

}  // namespace
}  // namespace hostdeck
