// MapDialog: the model of the map selection dialog (frmMap). The operator picks
// an official map by its display name from the MapList folder beside the
// program, or, when the patch maps are installed, an unofficial map file from
// the game's \maps\list folder. The chosen file name goes to the main window's
// map box on OK.
#pragma once

#include <string>

#include "core/file_list.h"
#include "core/ui_port.h"
#include "platform/settings_store.h"

namespace hostdeck {

class MapDialog {
 public:
  // `own_folder`: the folder that holds the running program.
  MapDialog(const platform::SettingsStore& store, std::string own_folder, UiPort& ui);

  // Fills both lists afresh. Without the patch map \maps\dm_spads.unr the
  // unofficial kind cannot be chosen and the official list drops the names
  // with a dot, the patch's own maps.
  void Form_Load();

  // The option buttons; exactly one is selected.
  bool optOfficial() const { return official_; }
  bool optUnofficial_enabled() const { return unofficial_enabled_; }
  void optOfficial_Click();
  // Re-reads the unofficial folder. REQUIRES: optUnofficial_enabled().
  void optUnofficial_Click();

  FileList& lstOfficial() { return official_list_; }
  FileList& filUnofficial() { return unofficial_list_; }

  // The OK button, Enter, or a double click on an entry of either list. True
  // when the dialog closes with chosen_map() set; false after the warning,
  // with the lists as they were.
  bool cmdOk_Click();

  // Whether the dialog was closed by OK, and the map file then chosen.
  bool accepted() const { return accepted_; }
  const std::string& chosen_map() const { return chosen_map_; }

 private:
  std::string OfficialFolder() const;
  std::string UnofficialFolder() const;

  const platform::SettingsStore& store_;
  std::string own_folder_;
  UiPort& ui_;
  FileList official_list_;
  FileList unofficial_list_;
  bool official_ = true;
  bool unofficial_enabled_ = true;
  bool accepted_ = false;
  std::string chosen_map_;
};

}  // namespace hostdeck
