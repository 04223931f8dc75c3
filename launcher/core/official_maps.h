// The official map table: the game's own maps, each with the display name the
// operator chooses and the map file the server loads. The three maps that the
// patch adds end in " (ZARN 1.4)", the only display names with a dot.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace hostdeck {

struct OfficialMap {
  std::string_view display_name;
  std::string_view map_file;
};

inline constexpr OfficialMap kOfficialMaps[] = {
#include "core/official_maps.inc"
};

// The file of the first row whose display name equals `display_name` exactly
// (with regard to case), or "" when no row does.
std::string OfficialMapFile(std::string_view display_name);

// The map listing name that the server URL carries for `map_file`: the first
// row of the listing table equal to it exactly, else a name derived from the
// file ("DM-Arena.unr" gives "Arena_*"). Never fails: a name too short for the
// derivation gives what remains of it, at least "_*".
std::string MapListingName(std::string_view map_file);

}  // namespace hostdeck
