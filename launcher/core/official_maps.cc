#include "core/official_maps.h"

#include <algorithm>

namespace hostdeck {
namespace {

struct ListingRow {
  std::string_view map_file;
  std::string_view listing_name;
};

// Both files of "Docks" list as "Docks"; the other names follow the official
// map table with "_" for blanks and without the patch suffix.
constexpr ListingRow kListingTable[] = {
    {"DM_Base2.unr", "AFM-10"},
    {"DM_PRock01a.unr", "Asylum"},
    {"DM_Pal.unr", "Bristol_Suites"},
    {"SB_Camp.unr", "Camp"},
    {"DM_USA2_demo.unr", "Docks"},
    {"DM_Hual1.unr", "Emerald"},
    {"DM_Amos.unr", "FBI"},
    {"DM_Hual04a.unr", "Hualpar"},
    {"SB_Hual1a.unr", "Choland"},
    {"CTF_Snow.unr", "Kellownee"},
    {"DM_LostTemple.unr", "Lost_Temple"},
    {"CTF_Toits.unr", "New_York"},
    {"DM_PRock.unr", "Plain_Rock"},
    {"DM_Base_XBox.unr", "Platform_02"},
    {"DM_Base.unr", "Platform_03"},
    {"DM_Spads_XBox.unr", "SPADS"},
    {"DM_Spads.unr", "SPADS_2"},
    {"DM_SM01.unr", "SS-419"},
    {"CTF_Temple.unr", "Temple"},
    {"DM_USA01.unr", "USA"},
    {"CTF_Base.unr", "USS-Patriot"},
    {"DM_Warehouse.unr", "Warehouse_33"},
    {"DM_Banque.unr", "Winslow_Bank"},
    {"CTF_Sanc.unr", "XX"},
    {"SB_USA2.unr", "Docks"},
};

}  // namespace

std::string OfficialMapFile(std::string_view display_name) {
  for (const OfficialMap& map : kOfficialMaps) {
    if (map.display_name == display_name) return std::string(map.map_file);
  }
  return {};
}

std::string MapListingName(std::string_view map_file) {
  for (const ListingRow& row : kListingTable) {
    if (row.map_file == map_file) return std::string(row.listing_name);
  }
  // The prefix ("DM_", "CTF_", "SB_"...) and the ".unr" go; each cut takes at
  // most what is there.
  std::string_view name = map_file.substr(std::min<size_t>(3, map_file.size()));
  if (name.starts_with('_')) name.remove_prefix(1);
  name.remove_suffix(std::min<size_t>(4, name.size()));
  return std::string(name) + "_*";
}

}  // namespace hostdeck
