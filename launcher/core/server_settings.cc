#include "core/server_settings.h"

namespace hostdeck {
namespace {

using S = ServerSettings;

constexpr Setting kSettings[] = {
    {"txtServerName", &S::txtServerName, nullptr, "ZARNServer", 20, false, false},
    {"txtMap", &S::txtMap, nullptr, "", 0, true, false},
    {"txtMode", &S::txtMode, nullptr, "Deathmatch", 0, true, false},
    {"txtNumberOfPlayers", &S::txtNumberOfPlayers, nullptr, "6", 2, false, false},
    {"txtPointsLimit", &S::txtPointsLimit, nullptr, "20", 3, false, false},
    {"txtTimeLimit", &S::txtTimeLimit, nullptr, "", 2, false, false},
    {"txtPort", &S::txtPort, nullptr, "7777", 5, false, false},
    {"txtAccountName", &S::txtAccountName, nullptr, "", 50, false, false},
    {"txtAccountPassword", &S::txtAccountPassword, nullptr, "", 50, false, true},
    {"txtServerPassword", &S::txtServerPassword, nullptr, "", 20, false, true},
    {"txtAdministratorPassword", &S::txtAdministratorPassword, nullptr, "", 20, false, true},
    {"chkFriendlyFire", nullptr, &S::chkFriendlyFire, "0", 0, false, false},
    {"chkSavePasswords", nullptr, &S::chkSavePasswords, "0", 0, false, false},
};

}  // namespace

std::span<const Setting> SettingsTable() { return kSettings; }

const Setting* FindSetting(std::string_view key) {
  for (const Setting& setting : kSettings) {
    if (setting.key == key) return &setting;
  }
  return nullptr;
}

std::string SettingValue(const ServerSettings& settings, const Setting& setting) {
  if (setting.text != nullptr) return settings.*setting.text;
  return settings.*setting.tick ? "1" : "0";
}

void SetSettingValue(ServerSettings& settings, const Setting& setting, std::string_view value) {
  if (setting.text != nullptr) {
    settings.*setting.text = value;
  } else {
    settings.*setting.tick = value == "1";
  }
}

ServerSettings DefaultSettings() {
  ServerSettings settings;
  for (const Setting& setting : kSettings)
    SetSettingValue(settings, setting, setting.default_value);
  return settings;
}

}  // namespace hostdeck
