#include "core/game_modes.h"

#include <algorithm>
#include <string>

namespace hostdeck {
namespace {

bool HasPrefix(std::string_view map_file, std::string_view prefix) {
  std::string start(map_file.substr(0, 3));
  std::transform(start.begin(), start.end(), start.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return start == prefix;
}

}  // namespace

bool JeDM(std::string_view map_file) { return HasPrefix(map_file, "dm_"); }
bool JeCTF(std::string_view map_file) { return HasPrefix(map_file, "ctf"); }
bool JeSB(std::string_view map_file) { return HasPrefix(map_file, "sb_"); }

ModeLookup LookUpMode(std::string_view mode_name, std::string_view map_file) {
  for (const GameMode& mode : kGameModes) {
    if (mode.name != mode_name) continue;
    for (MapTest refuses : mode.refused_on) {
      if (refuses != nullptr && refuses(map_file)) return {ModeLookup::kRefusedByMap, &mode};
    }
    return {ModeLookup::kAccepted, &mode};
  }
  return {ModeLookup::kNotInCatalogue, nullptr};
}

}  // namespace hostdeck
