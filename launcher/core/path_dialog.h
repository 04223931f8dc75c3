// PathDialog: the model of the game folder dialog (frmPath), the only writer of
// the stored game folder. OK stores the typed folder once it holds the game and
// the patch's server package; every later lookup reads the new value.
#pragma once

#include <string>

#include "core/ui_port.h"
#include "platform/settings_store.h"

namespace hostdeck {

class PathDialog {
 public:
  PathDialog(platform::SettingsStore& store, UiPort& ui);

  // Fills txtPath with the game folder, stored or default.
  void Form_Load();

  // The text box; front ends write what the operator types.
  std::string& txtPath() { return path_; }

  // The OK button or Enter. Cuts one trailing separator off txtPath (the
  // operator sees it), tests the folder and stores it. True when the dialog
  // closes; false after a message, with nothing stored.
  bool cmdOk_Click();

 private:
  platform::SettingsStore& store_;
  UiPort& ui_;
  std::string path_;
};

}  // namespace hostdeck
