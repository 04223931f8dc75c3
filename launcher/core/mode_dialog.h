// ModeDialog: the model of the game mode selection dialog (frmModes). It lists
// the names in the Modes folder beside the program that contain no dot and
// hands the chosen one to the main window's mode box on OK; whether the
// catalogue knows it is decided only at launch.
#pragma once

#include <string>

#include "core/file_list.h"
#include "core/ui_port.h"

namespace hostdeck {

class ModeDialog {
 public:
  // `own_folder`: the folder that holds the running program.
  ModeDialog(std::string own_folder, UiPort& ui);

  // Reads the Modes folder afresh.
  void Form_Load();

  FileList& filModes() { return modes_; }

  // The OK button, Enter, or a double click on an entry. True when the dialog
  // closes with chosen_mode() set; false after the warning.
  bool cmdOk_Click();

  bool accepted() const { return accepted_; }
  const std::string& chosen_mode() const { return modes_.selected_name(); }

 private:
  std::string own_folder_;
  UiPort& ui_;
  FileList modes_;
  bool accepted_ = false;
};

}  // namespace hostdeck
