// The game mode catalogue: turns the mode name the operator chose into the
// game index, game class and mutator the dedicated server needs, and refuses
// modes that the chosen map does not support, judged by the prefix of the map
// file name.
#pragma once

#include <array>
#include <string_view>

namespace hostdeck {

// The server classes the catalogue refers to.
inline constexpr std::string_view kDeathmatchGame = "ZARNMP.ZARNMPGameInfo";
inline constexpr std::string_view kCaptureTheFlagGame = "ZARNMP.ZARNMPCTFGameInfo";
inline constexpr std::string_view kHuntGame = "ZARNMP.ZARNMPDuckGameInfo";
inline constexpr std::string_view kTeamGame = "ZARNMP.ZARNMPTeamGameInfo";
inline constexpr std::string_view kSabotageGame = "ZARNMP.ZARNMPBombGame";
inline constexpr std::string_view kPowerUpMutator = "ZARNMP.MarioMutator";
inline constexpr std::string_view kGrenadesMutator = "ZARNMP.ZARNMPGrenadArena";
inline constexpr std::string_view kBazookaMutator = "ZARNMP.ZARNMPBazookArena";
inline constexpr std::string_view kSniperMutator = "ZARNMP.ZARNMPSniperArena";
inline constexpr std::string_view kFistsMutator = "ZARN.ZARNSOloMutator";
inline constexpr std::string_view kNoMutator = "";

// The map kinds, by the first three characters of the map file in lower case.
// A map with none of these prefixes (most unofficial maps) is of no kind.
bool JeDM(std::string_view map_file);   // "dm_"
bool JeCTF(std::string_view map_file);  // "ctf", no underscore needed
bool JeSB(std::string_view map_file);   // "sb_"

using MapTest = bool (*)(std::string_view map_file);

struct GameMode {
  std::string_view name;
  std::string_view game_index;  // one digit
  std::string_view game_class;
  std::string_view mutator;           // empty for none
  std::array<MapTest, 2> refused_on;  // run in order; unused places are null
};

inline constexpr GameMode kGameModes[] = {
#include "core/game_modes.inc"
};

struct ModeLookup {
  enum Result {
    kAccepted,
    kRefusedByMap,    // the map's kind does not support the mode
    kNotInCatalogue,  // no row has this name
  };
  Result result;
  const GameMode* mode;  // the row found; null when not in the catalogue
};

// Finds the row whose name equals `mode_name` exactly (case and blanks count)
// and runs its map tests on `map_file`; the first true test refuses.
ModeLookup LookUpMode(std::string_view mode_name, std::string_view map_file);

}  // namespace hostdeck
