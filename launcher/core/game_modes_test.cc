#include "core/game_modes.h"

#include <gtest/gtest.h>

namespace hostdeck {
namespace {

TEST(MapKindTest, PrefixesIgnoreCaseAndOnlyCtfNeedsNoUnderscore) {
  struct Case {
    std::string map_file;
    bool dm, ctf, sb;
  };
  for (const Case& c : std::vector<Case>{{"DM_Amos.unr", true, false, false},
                                         {"Dm_Amos.unr", true, false, false},
                                         {"DM-Arena.unr", false, false, false},
                                         {"CTF_Snow.unr", false, true, false},
                                         {"CTFSnow.unr", false, true, false},
                                         {"ctf-x.unr", false, true, false},
                                         {"SB_Camp.unr", false, false, true},
                                         {"SBCamp.unr", false, false, false},
                                         {"Arena.unr", false, false, false},
                                         {"DM", false, false, false},
                                         {"", false, false, false}}) {
    EXPECT_EQ(JeDM(c.map_file), c.dm) << c.map_file;
    EXPECT_EQ(JeCTF(c.map_file), c.ctf) << c.map_file;
    EXPECT_EQ(JeSB(c.map_file), c.sb) << c.map_file;
  }
}

TEST(ModeCatalogueTest, RowsGiveIndexClassAndMutator) {
  EXPECT_EQ(std::size(kGameModes), 22u);
  struct Case {
    std::string mode;
    std::string index, game_class, mutator;
  };
  for (const Case& c : std::vector<Case>{
           {"Deathmatch", "0", "ZARNMP.ZARNMPGameInfo", ""},
           {"Capture the Flag + Power Up", "2", "ZARNMP.ZARNMPCTFGameInfo", "ZARNMP.MarioMutator"},
           {"Team Deathmatch (bazooka only)", "6", "ZARNMP.ZARNMPTeamGameInfo",
            "ZARNMP.ZARNMPBazookArena"},
           {"The Hunt (grenades only)", "6", "ZARNMP.ZARNMPDuckGameInfo",
            "ZARNMP.ZARNMPGrenadArena"},
           {"Sabotage (with fists)", "4", "ZARNMP.ZARNMPBombGame", "ZARN.ZARNSOloMutator"},
           {"Team Power Up", "5", "ZARNMP.ZARNMPTeamGameInfo", "ZARNMP.MarioMutator"},
       }) {
    ModeLookup found = LookUpMode(c.mode, "Arena.unr");
    ASSERT_EQ(found.result, ModeLookup::kAccepted) << c.mode;
    EXPECT_EQ(found.mode->game_index, c.index) << c.mode;
    EXPECT_EQ(found.mode->game_class, c.game_class) << c.mode;
    EXPECT_EQ(found.mode->mutator, c.mutator) << c.mode;
  }
}

TEST(ModeCatalogueTest, RefusalsByMapKind) {
  struct Case {
    std::string mode, map_file;
    ModeLookup::Result result;
  };
  for (const Case& c : std::vector<Case>{
           {"Capture the Flag", "DM_Amos.unr", ModeLookup::kRefusedByMap},
           {"Capture the Flag", "SB_Camp.unr", ModeLookup::kRefusedByMap},
           {"Capture the Flag", "CTF_Snow.unr", ModeLookup::kAccepted},
           {"Capture the Flag", "Arena.unr", ModeLookup::kAccepted},
           {"Sabotage", "CTF_Base.unr", ModeLookup::kRefusedByMap},
           {"Sabotage", "dm_amos.unr", ModeLookup::kRefusedByMap},
           {"Sabotage", "SB_Hual1a.unr", ModeLookup::kAccepted},
           {"Deathmatch (sniper only)", "SB_Camp.unr", ModeLookup::kAccepted},
           {"Team Deathmatch (sniper only)", "SB_Camp.unr", ModeLookup::kAccepted},
           {"Deathmatch (bazooka only)", "SB_Camp.unr", ModeLookup::kRefusedByMap},
           {"Deathmatch", "CTF_Snow.unr", ModeLookup::kAccepted},
           {"deathmatch", "DM_Amos.unr", ModeLookup::kNotInCatalogue},
           {"Deathmatch ", "DM_Amos.unr", ModeLookup::kNotInCatalogue},
           {"", "DM_Amos.unr", ModeLookup::kNotInCatalogue},
       }) {
    EXPECT_EQ(LookUpMode(c.mode, c.map_file).result, c.result) << c.mode << " on " << c.map_file;
  }
}

}  // namespace
}  // namespace hostdeck
