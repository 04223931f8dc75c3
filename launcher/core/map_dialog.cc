#include "core/map_dialog.h"

#include "core/game_folder.h"
#include "core/official_maps.h"
#include "platform/files.h"

namespace hostdeck {

MapDialog::MapDialog(const platform::SettingsStore& store, std::string own_folder, UiPort& ui)
    : store_(store), own_folder_(std::move(own_folder)), ui_(ui) {}

std::string MapDialog::OfficialFolder() const {
  return own_folder_ + platform::NativeRelativePath("\\MapList");
}

std::string MapDialog::UnofficialFolder() const {
  return GetPathOfZarn(store_) + platform::NativeRelativePath("\\maps\\list");
}

void MapDialog::Form_Load() {
  std::string pattern = "*.*";
  unofficial_list_.set_enabled(false);
  if (platform::FileExist(GetPathOfZarn(store_) +
                          platform::NativeRelativePath("\\maps\\dm_spads.unr"))) {
    unofficial_list_.Fill(UnofficialFolder(), "*.unr");
  } else {
    unofficial_enabled_ = false;
    pattern = "*.";
  }
  official_list_.Fill(OfficialFolder(), pattern);
}

void MapDialog::optOfficial_Click() {
  official_ = true;
  official_list_.set_enabled(true);
  unofficial_list_.set_enabled(false);
}

void MapDialog::optUnofficial_Click() {
  official_ = false;
  unofficial_list_.Fill(UnofficialFolder(), "*.unr");
  unofficial_list_.set_enabled(true);
  official_list_.set_enabled(false);
}

bool MapDialog::cmdOk_Click() {
  chosen_map_ = official_ ? OfficialMapFile(official_list_.selected_name())
                          : unofficial_list_.selected_name();
  if (chosen_map_.empty()) {
    ui_.ShowMessage(kNoMapSelected);
    return false;
  }
  accepted_ = true;
  return true;
}

}  // namespace hostdeck
