// The server settings: the texts and ticks of the main window's setting
// controls, and the table that ties each control to its key in the settings
// store (the key is the control's name), its default and how it is typed.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace hostdeck {

struct ServerSettings {
  std::string txtServerName;
  std::string txtMap;   // a map file name; set by the map dialog only
  std::string txtMode;  // a mode name; set by the mode dialog only
  std::string txtNumberOfPlayers;
  std::string txtPointsLimit;
  std::string txtTimeLimit;
  std::string txtPort;
  std::string txtAccountName;
  std::string txtAccountPassword;
  std::string txtServerPassword;
  std::string txtAdministratorPassword;
  bool chkFriendlyFire = false;
  bool chkSavePasswords = false;

  bool operator==(const ServerSettings&) const = default;
};

struct Setting {
  std::string_view key;
  std::string ServerSettings::*text;  // null for a check box
  bool ServerSettings::*tick;         // null for a text box
  std::string_view default_value;     // "1"/"0" for a check box
  std::size_t input_limit;            // the most characters typing enters; 0: no limit
  bool locked;                        // cannot be typed into (map and mode)
  bool password;                      // stored only when chkSavePasswords is ticked
};

// In the order of the store's layout: the text boxes, then the two check boxes.
std::span<const Setting> SettingsTable();

// The setting whose key equals `key` exactly, or null.
const Setting* FindSetting(std::string_view key);

// The text a setting stores: the box text, or "1"/"0" for a check box.
std::string SettingValue(const ServerSettings& settings, const Setting& setting);
// Puts a stored text into the control: a check box is ticked by exactly "1".
void SetSettingValue(ServerSettings& settings, const Setting& setting, std::string_view value);

// Every control at its default, as a first run shows them.
ServerSettings DefaultSettings();

}  // namespace hostdeck
